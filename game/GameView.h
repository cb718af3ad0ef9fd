// SPDX-License-Identifier: MIT
#pragma once
// The game: a control that advances the world one step each time it is
// painted, composes the picture off-screen and copies the play area to the
// window. The player's controls are read by polling inside the paint; the
// view writes the effect's sound-event fields for what happens.

#include "game/GameWorld.h"
#include "gui/Control.h"

class Bitmap;
class OffscreenContext;
class RandomStream;
struct SoundEvents;

class GameView : public Control {
public:
    // The view writes `sounds` and draws from `random` (the interface
    // thread's stream). tileBitmaps: 8 ground tiles; backdropBitmap gives the
    // off-screen image its size. No bitmap is owned or retained.
    GameView(SoundEvents& sounds, RandomStream& random, const Rect& size,
             ControlListener* listener, Bitmap** tileBitmaps, Bitmap* backdropBitmap);
    ~GameView() override;                                     // 0
    void paint(DrawContext* context) override;                // 1: one game step
    void onMouseDown(DrawContext* context, Point where) override;  // 2
    virtual void setPlaneFrames(Bitmap** frames);             // 20: 8 pictures
    virtual void setCloudBitmaps(Bitmap** bitmaps);           // 21: 4 pictures
    virtual void setEnemyBitmap(Bitmap* bitmap);              // 22
    virtual void setGameOverBitmap(Bitmap* bitmap);           // 23

    void restart();

    // Read by the audio thread after every block.
    int32_t score() const { return worldState.score; }
    int32_t lives() const { return worldState.lives; }

    // For the status query: steps painted and games lost since the view was
    // made; a restart keeps them.
    int32_t stepCount() const { return steps; }
    int32_t gameOverCount() const { return gamesLost; }

    const GameWorld& world() const { return worldState; }
    OffscreenContext* offscreenContext() const { return offscreen; }

private:
    friend struct GameViewProbe;  // lets tests set up states

    SoundEvents& sounds() const;
    int32_t nextRandom() const;
    void clearRings();

    // The step, in its order.
    void pollInput(DrawContext* context);
    void drawGround();
    void advanceBanner();
    void renewGroundRows();
    void advanceDestruction();
    void testPlaneCollisions();
    void testShots();
    void moveClouds();
    void spawnCloud();
    void moveEnemies();
    void spawnEnemy();
    void moveBullets();

    // The player's controls.
    void moveLeft();
    void moveRight();
    void fire();

    // Drawing into the off-screen image.
    void drawGroundTile(const GroundTile& tile);
    void drawBanner();
    void drawPlane();
    void drawCloud(const Cloud& cloud);
    void drawEnemy(int32_t playX, int32_t y);
    void drawBullet(const Bullet& bullet);
    void showPlayArea(DrawContext* context);

    SoundEvents& soundEvents;
    RandomStream& random;
    GameWorld worldState;
    int32_t viewLeft;
    int32_t viewTop;
    OffscreenContext* offscreen = nullptr;
    Bitmap* backdropBitmap;
    Bitmap** tileBitmaps;
    Bitmap** planeFrames = nullptr;
    Bitmap** cloudBitmaps = nullptr;
    Bitmap* enemyBitmap = nullptr;
    Bitmap* gameOverBitmap = nullptr;
    Relaxed<int32_t> steps{0};
    Relaxed<int32_t> gamesLost{0};
};
