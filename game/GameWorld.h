// SPDX-License-Identifier: MIT
#pragma once
// The game's world: the records in its fixed rings, the ground and the
// state of one game. Play-area coordinates run 0..168 across and 0..151 down;
// enemies and clouds keep a world x (play-area x + 2 * scroll) so that they
// shift on the screen when the aircraft moves.

#include <array>
#include <cstdint>

#include "gui/Geometry.h"
#include "gui/Relaxed.h"

struct Bullet {
    int32_t x = 0;  // play-area x
    int32_t y = 0;  // play-area y of the shot's top pixel
    int32_t alive = 0;
};

struct Enemy {
    int32_t x = 0;  // world x of its centre
    int32_t y = 0;  // play-area y of its centre
    int32_t alive = 0;
};

struct Cloud {
    int32_t x = 0;  // world x of its left edge
    int32_t y = 0;  // play-area y of its top edge
    int32_t bitmapIndex = 0;
    int32_t active = 0;
};

// 128 x 128 pixels with the top-left corner at play-area (-(x + scroll), -y).
struct GroundTile {
    int32_t bitmapIndex = 0;
    int32_t x = 0;
    int32_t y = 0;
};

enum class GameState : int32_t { playing = 0, planeHit = 1, gameOver = 2 };

constexpr int32_t kBulletCount = 16;
constexpr int32_t kEnemyCount = 16;
constexpr int32_t kCloudCount = 4;
constexpr int32_t kTileCount = 6;
constexpr int32_t kTileSize = 128;

constexpr int32_t kPlayWidth = 169;
constexpr int32_t kPlayHeight = 152;
// Play-area (x, y) is drawn at off-screen (x + kMargin, y + kMargin); the
// margin takes the parts of sprites that stick out.
constexpr int32_t kMargin = 64;
constexpr Rect kPlayAreaOffscreen(kMargin, kMargin, kMargin + kPlayWidth, kMargin + kPlayHeight);

constexpr int32_t kStartPlaneX = 85;
constexpr int32_t kPlaneRow = 134;  // play-area y of the aircraft's centre for collisions
constexpr int32_t kStartLives = 5;
constexpr int32_t kPlaneStep = 5;    // pixels per move
constexpr int32_t kScrollStep = 2;   // scroll per move
constexpr int32_t kHitCooldown = 40;
constexpr int32_t kDestructionFirstPicture = 3;
constexpr int32_t kDestructionEnd = 24;  // planeFrame at which the sequence ends
constexpr int32_t kPlanePictureCount = 8;
constexpr int32_t kBannerRest = 129;

// The START lamp on the editor's background, in frame-window coordinates.
constexpr Rect kStartSquare(19, 82, 43, 106);

// Two columns 127 apart (one pixel of overlap), three rows 128 apart; the
// top row starts wholly above the play area.
constexpr std::array<GroundTile, kTileCount> kInitialGround{{
    {3, 42, 213},
    {3, -85, 213},
    {3, 42, 85},
    {3, -85, 85},
    {3, 42, -43},
    {3, -85, -43},
}};

// Everything of one game. score and lives are read by the audio thread.
struct GameWorld {
    GameState gameState = GameState::playing;
    int32_t planeX = kStartPlaneX;
    int32_t scroll = 0;  // -30..28, +2 per move right
    int32_t planeFrame = 0;
    int32_t exploding = 0;
    int32_t hitCooldown = 0;
    float difficulty = 1.0f;
    Relaxed<int32_t> score{0};
    Relaxed<int32_t> lives{kStartLives};
    int32_t bannerY = -1;  // off-screen y of the banner's top; -1 hidden
    int32_t tileCounter = 0;
    int32_t polledInput = 0;  // 1 only while the paint's poll calls onMouseDown

    std::array<Bullet, kBulletCount> bullets{};
    int32_t nextBullet = 0;  // slot the next shot takes
    std::array<Enemy, kEnemyCount> enemies{};
    int32_t nextEnemy = 0;  // slot the last spawn took
    std::array<Cloud, kCloudCount> clouds{};
    int32_t nextCloud = 0;  // slot the next cloud takes
    std::array<GroundTile, kTileCount> tiles = kInitialGround;
};
