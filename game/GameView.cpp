// SPDX-License-Identifier: MIT
#include "game/GameView.h"

#include "game/RandomStream.h"
#include "game/SoundEvents.h"
#include "gui/OffscreenContext.h"

namespace {
// The two fixed sets of sound-event fields, written in this order: the reset
// set (a new game) and the silence set (the view goes away) differ only in
// the aircraft's mode and the three levels.
void writeSoundSet(SoundEvents& sounds, int32_t planeMode, float planeLevel, float toneLevel) {
    sounds.planeSoundMode = planeMode;
    sounds.planeSoundLevel = planeLevel;
    sounds.planeSoundCounter = 8;
    sounds.planeNoise = 0.0f;
    sounds.planePan = 0.5f;
    sounds.gunState = 0;
    sounds.gunPeriod = 20;
    sounds.gunPan = 0.5f;
    sounds.gunLevel = toneLevel;
    sounds.gunCounter = 0;
    sounds.enemySoundOn = 0;
    sounds.enemyLevel = toneLevel;
    sounds.enemyWave = 0.0f;
    sounds.enemyPan = 0.5f;
    sounds.enemyWaveCounter = 0;
}

void writeResetSet(SoundEvents& sounds) { writeSoundSet(sounds, 0, 0.25f, 0.5f); }
void writeSilenceSet(SoundEvents& sounds) { writeSoundSet(sounds, -1, 0.0f, 0.0f); }
}  // namespace

GameView::GameView(SoundEvents& events, RandomStream& stream, const Rect& size,
                   ControlListener* listener, Bitmap** tileBitmaps, Bitmap* backdropBitmap)
    : Control(size, listener, 0),
      soundEvents(events),
      random(stream),
      viewLeft(size.left),
      viewTop(size.top),
      backdropBitmap(backdropBitmap),
      tileBitmaps(tileBitmaps) {
    setValue(0.0f);
    setMouseActive(true);
    writeResetSet(sounds());
}

// The effect must fall silent when the window closes, even mid-explosion.
GameView::~GameView() {
    writeSilenceSet(sounds());
    delete offscreen;
}

void GameView::setPlaneFrames(Bitmap** frames) { planeFrames = frames; }
void GameView::setCloudBitmaps(Bitmap** bitmaps) { cloudBitmaps = bitmaps; }
void GameView::setEnemyBitmap(Bitmap* bitmap) { enemyBitmap = bitmap; }
void GameView::setGameOverBitmap(Bitmap* bitmap) { gameOverBitmap = bitmap; }

SoundEvents& GameView::sounds() const { return soundEvents; }

int32_t GameView::nextRandom() const { return random.next(); }

void GameView::clearRings() {
    GameWorld& w = worldState;
    w.bullets.fill(Bullet{});
    w.enemies.fill(Enemy{});
    w.clouds.fill(Cloud{});
    w.nextBullet = 0;
    w.nextEnemy = 0;
    w.nextCloud = 0;
}

// The ground, its row counter and the current picture stay: the ground
// scrolls on from where it was.
void GameView::restart() {
    GameWorld& w = worldState;
    w.hitCooldown = 0;
    writeResetSet(sounds());
    w.gameState = GameState::playing;
    w.bannerY = -1;
    setValue(0.0f);
    w.exploding = 0;
    w.planeX = kStartPlaneX;
    clearRings();
    w.scroll = 0;
    w.score = 0;
    w.lives = kStartLives;
    w.difficulty = 1.0f;
}
