// SPDX-License-Identifier: MIT
// One game step is one paint: the world is updated and drawn in a single
// interleaved pass whose order is part of the game (draws from the random
// stream, the last sound-event write of a step standing). onMouseDown, which
// the paint's input poll calls, carries the player's controls and the restart.

#include <cmath>
#include <new>

#include "game/GameView.h"
#include "game/SoundEvents.h"
#include "gui/ControlListener.h"
#include "gui/DrawContext.h"
#include "gui/OffscreenContext.h"

namespace {
// Strictly inside the square of that half-size around the centre: edges
// do not touch.
bool strictlyNear(int32_t x, int32_t y, int32_t centreX, int32_t centreY, int32_t halfSize) {
    return centreX - halfSize < x && x < centreX + halfSize && centreY - halfSize < y &&
           y < centreY + halfSize;
}

enum Buttons : int32_t { kLeftButton = 1, kRightButton = 4, kControlKey = 16, kAltKey = 32 };

// planeX runs in steps of 5 from 85, so these keep it within 10..155.
constexpr int32_t kLastLeftMoveFrom = 15;
constexpr int32_t kRightWall = 155;
constexpr int32_t kFireCooldownLimit = 15;  // no shots in the first steps after a hit
constexpr int32_t kShotStartY = 120;
constexpr int32_t kShotHalfSize = 8;
constexpr int32_t kPlaneHalfSize = 15;
constexpr int32_t kEnemyStartY = -15;
constexpr int32_t kEnemyLeaveY = 212;
constexpr int32_t kEnemyMinX = -64;
constexpr int32_t kEnemyMaxX = 233;
constexpr float kDifficultyCap = 4.0f;
}  // namespace

void GameView::paint(DrawContext* context) {
    GameWorld& w = worldState;
    if (!w.exploding) w.planeFrame = 0;
    pollInput(context);
    if (!offscreen) {
        offscreen = new (std::nothrow) OffscreenContext(context, backdropBitmap);
        // Out of memory: this step stops here; the next paint tries again.
        if (!offscreen) return;
    }
    drawGround();
    advanceBanner();
    renewGroundRows();
    if (w.gameState != GameState::gameOver && planeFrames && w.planeFrame < kPlanePictureCount)
        drawPlane();
    advanceDestruction();
    if (w.hitCooldown > 0) w.hitCooldown -= 1;
    if (w.hitCooldown == 0) testPlaneCollisions();
    testShots();
    moveClouds();
    spawnCloud();
    moveEnemies();
    if (w.gameState != GameState::gameOver) spawnEnemy();
    moveBullets();
    showPlayArea(context);
    steps = steps + 1;
}

void GameView::pollInput(DrawContext* context) {
    if (context->pollMouseButtons() == 0) return;
    Point where(0, 0);
    context->pollMouseLocation(where);
    worldState.polledInput = 1;
    onMouseDown(context, where);
}

void GameView::drawGround() {
    for (GroundTile& tile : worldState.tiles) {
        drawGroundTile(tile);
        tile.y -= 2;
    }
}

void GameView::advanceBanner() {
    GameWorld& w = worldState;
    if (w.bannerY < 0) return;
    drawBanner();
    if (w.bannerY < kBannerRest - 2) w.bannerY += 3;  // 0, 3, ... 126, 129
}

// A row is renewed just after it has left the play area at the bottom, and
// re-enters from above with a new picture.
void GameView::renewGroundRows() {
    GameWorld& w = worldState;
    w.tileCounter += 2;
    int32_t firstTile;
    if (w.tileCounter == 128) {
        firstTile = 4;
    } else if (w.tileCounter == 256) {
        firstTile = 2;
    } else if (w.tileCounter == 384) {
        firstTile = 0;
        w.tileCounter = 0;
    } else {
        return;
    }
    for (int32_t i = firstTile; i < firstTile + 2; ++i) {
        GroundTile& tile = w.tiles[size_t(i)];
        tile.bitmapIndex = int32_t(std::trunc(nextRandom() / 32767.0 * 7.99));
        tile.y = 213;
    }
}

void GameView::advanceDestruction() {
    GameWorld& w = worldState;
    if (!w.exploding) return;
    w.planeFrame += 1;
    if (w.planeFrame < kDestructionEnd) return;
    w.exploding = 0;
    w.gameState = GameState::playing;
    if (w.lives == 0) {
        w.gameState = GameState::gameOver;
        sounds().planeSoundLevel = 0.0f;
        sounds().planeSoundMode = -1;
    }
}

void GameView::testPlaneCollisions() {
    GameWorld& w = worldState;
    int32_t planeWorldX = w.planeX + 2 * w.scroll;
    for (const Enemy& enemy : w.enemies) {
        if (!enemy.alive || w.gameState != GameState::playing) continue;
        if (!strictlyNear(planeWorldX, kPlaneRow, enemy.x, enemy.y, kPlaneHalfSize)) continue;
        // The enemy survives; the state change keeps it to one hit a step.
        w.lives = w.lives - 1;
        w.hitCooldown = kHitCooldown;
        w.exploding = 1;
        w.planeFrame = kDestructionFirstPicture;
        w.gameState = GameState::planeHit;
        sounds().planeSoundMode = 1;
        sounds().planeSoundLevel = 1.0f;
        if (w.lives == 0) {
            w.bannerY = 0;
            w.gameState = GameState::gameOver;
            gamesLost = gamesLost + 1;
        }
    }
}

// Shots on their way after game over still score.
void GameView::testShots() {
    GameWorld& w = worldState;
    for (Enemy& enemy : w.enemies) {
        for (Bullet& bullet : w.bullets) {
            if (!bullet.alive || !enemy.alive) continue;
            if (!strictlyNear(bullet.x + 2 * w.scroll, bullet.y, enemy.x, enemy.y, kShotHalfSize))
                continue;
            bullet.alive = 0;
            enemy.alive = 0;
            sounds().enemySoundOn = 0;
            w.score = w.score + 1;
        }
    }
}

void GameView::moveClouds() {
    for (Cloud& cloud : worldState.clouds) {
        if (!cloud.active) continue;
        drawCloud(cloud);
        cloud.x += 1;
        cloud.y += 2;
        if (cloud.x < -106 || cloud.x > 276 || cloud.y < -64 || cloud.y > 217) cloud.active = 0;
    }
}

void GameView::spawnCloud() {
    GameWorld& w = worldState;
    if (nextRandom() % 100 >= 2) return;
    Cloud& cloud = w.clouds[size_t(w.nextCloud)];
    cloud.x = nextRandom() % 379 - 106;
    cloud.y = -63;
    cloud.active = 1;
    cloud.bitmapIndex = nextRandom() % 4;
    w.nextCloud = (w.nextCloud + 1) % kCloudCount;
}

// Every enemy drawn sets the rumble's pan, so the highest-numbered one (or a
// spawn after it) decides where it is heard.
void GameView::moveEnemies() {
    GameWorld& w = worldState;
    for (Enemy& enemy : w.enemies) {
        if (!enemy.alive) continue;
        int32_t playX = enemy.x - 2 * w.scroll;
        if (-16 < playX && playX < 188) {
            drawEnemy(playX, enemy.y);
            sounds().enemyPan = float(playX / 160.0);
        }
        enemy.x += nextRandom() % 7 - 3;
        enemy.y += 4;
        if (enemy.x < kEnemyMinX) enemy.x = kEnemyMinX;
        if (enemy.x > kEnemyMaxX) enemy.x = kEnemyMaxX;
        if (enemy.y > kEnemyLeaveY) {
            enemy.alive = 0;
            sounds().enemySoundOn = 0;
        }
    }
}

void GameView::spawnEnemy() {
    GameWorld& w = worldState;
    int32_t threshold = int32_t(std::trunc(w.difficulty * 20.0));
    if (nextRandom() % 300 >= threshold) return;
    if (w.difficulty < kDifficultyCap) w.difficulty = float(w.difficulty + 0.02);
    w.nextEnemy = (w.nextEnemy + 1) % kEnemyCount;
    Enemy& enemy = w.enemies[size_t(w.nextEnemy)];
    enemy.x = nextRandom() & 160;  // four lanes: 0, 32, 128, 160
    enemy.y = kEnemyStartY;
    enemy.alive = 1;
    SoundEvents& s = sounds();
    s.enemySoundOn = 1;
    s.enemyLevel = 0.135f;
    s.enemyWave = 0.25f;
    s.enemyPan = float(enemy.x / 170.0);
    s.enemyWaveCounter = 1;
    s.enemySweep = 1;
}

void GameView::moveBullets() {
    int32_t count = 0;
    for (Bullet& bullet : worldState.bullets) {
        if (!bullet.alive) continue;
        count += 1;
        if (0 < bullet.x && bullet.x < kPlayWidth) drawBullet(bullet);
        bullet.y -= 5;
        if (bullet.y < 5) bullet.alive = 0;
    }
    if (count == 0) sounds().gunState = 0;
}

void GameView::onMouseDown(DrawContext* context, Point where) {
    GameWorld& w = worldState;
    if (!isMouseActive()) return;
    if (where.isInside(kStartSquare)) {
        restart();
        w.polledInput = 0;
        return;
    }
    if (w.exploding) {
        w.polledInput = 0;
        return;
    }
    int32_t buttons = context->pollMouseButtons();
    if (w.polledInput) {
        bool playing = w.gameState != GameState::gameOver;
        // Holding a direction at its wall neither moves nor fires.
        if ((buttons == kLeftButton || buttons == kControlKey) && playing) {
            if (w.planeX >= kLastLeftMoveFrom) moveLeft();
        } else if ((buttons == kRightButton || buttons == kAltKey) && playing) {
            if (w.planeX < kRightWall) moveRight();
        } else if (playing && w.hitCooldown < kFireCooldownLimit) {
            fire();
        }
    }
    w.polledInput = 0;
    if (listener) listener->valueChanged(context, this);
}

// The aircraft moves one way, the world the other: bullets by the same
// 5 pixels, enemies and clouds by 4 (through scroll), the ground by 2.
void GameView::moveLeft() {
    GameWorld& w = worldState;
    for (Bullet& bullet : w.bullets) bullet.x += kPlaneStep;
    w.planeX -= kPlaneStep;
    w.scroll -= kScrollStep;
    w.planeFrame = 1;
    sounds().planePan = float(sounds().planePan + 0.03);
}

void GameView::moveRight() {
    GameWorld& w = worldState;
    for (Bullet& bullet : w.bullets) bullet.x -= kPlaneStep;
    w.planeX += kPlaneStep;
    w.scroll += kScrollStep;
    w.planeFrame = 2;
    sounds().planePan = float(sounds().planePan - 0.03);
}

void GameView::fire() {
    GameWorld& w = worldState;
    Bullet& bullet = w.bullets[size_t(w.nextBullet)];
    bullet.x = w.planeX;
    bullet.y = kShotStartY;
    bullet.alive = 1;
    w.nextBullet = (w.nextBullet + 1) % kBulletCount;
    SoundEvents& s = sounds();
    s.gunState = 1;
    s.gunPeriod = 10;
    s.gunPan = float(s.planePan);
    s.gunLevel = 0.25f;
    s.gunCounter = 0;
}
