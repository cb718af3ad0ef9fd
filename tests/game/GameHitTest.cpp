// SPDX-License-Identifier: MIT
// The aircraft being hit: the destruction sequence, step by step, with a
// life left and with the last one, and the strict edges of both collisions.

#include <gtest/gtest.h>

#include "tests/game/GameHarness.h"

namespace {
void placeEnemyOnAircraft(GameWorld& w) {
    w.enemies[0] = Enemy{w.planeX + 2 * w.scroll, kPlaneRow, 1};
}
void removeEnemies(GameWorld& w) { w.enemies.fill(Enemy{}); }
void stopSpawns(GameWorld& w) { w.difficulty = 0.0f; }

// The ground twin's picture with the aircraft picture pasted on, or without.
PlayPicture expectedPicture(TwinGames& t, int32_t aircraftPicture) {
    PlayPicture expected(t.ground.window);
    if (aircraftPicture >= 0)
        expected.paste(Sprite(t.game.bitmaps.planes[aircraftPicture]),
                       t.game.view.world().planeX - 7, 122);
    return expected;
}
}  // namespace

TEST(GameHit, WithLivesLeftTheAircraftExplodesVanishesAndComesBack) {
    TwinGames t(5);
    t.apply(stopSpawns);
    t.apply(placeEnemyOnAircraft);
    t.step();  // step N
    EXPECT_EQ(t.game.view.lives(), 4);
    EXPECT_EQ(t.game.view.world().gameState, GameState::planeHit);
    EXPECT_EQ(t.game.sounds().planeSoundMode, 1);
    EXPECT_EQ(t.game.sounds().planeSoundLevel, 1.0f);
    t.apply(removeEnemies);
    for (int k = 1; k <= 22; ++k) {
        if (k <= 21) {
            t.game.polledPress();  // ignored while the sequence runs
            EXPECT_EQ(t.game.view.world().nextBullet, 0) << k;
            EXPECT_EQ(t.game.listener.calls, 0) << k;
        }
        t.step();
        int32_t picture = k <= 5 ? 2 + k : k == 22 ? 0 : -1;
        EXPECT_EQ(PlayPicture(t.game.window).differencesFrom(expectedPicture(t, picture)), 0)
            << "step N+" << k;
        EXPECT_EQ(t.game.view.world().exploding, k < 21 ? 1 : 0) << k;
    }
    EXPECT_EQ(t.game.view.world().gameState, GameState::playing);
    EXPECT_EQ(t.game.view.world().planeX, 85);
    EXPECT_EQ(t.game.sounds().planeSoundMode, 1);  // the synthesizer lets the roar fade
}

TEST(GameHit, AfterAHitFiringReturnsAtStep27AndHitsAtStep40) {
    GameHarness h(5);
    h.world().difficulty = 0.0f;
    placeEnemyOnAircraft(h.world());
    h.step();
    int firstShot = 0, firstNotice = 0, nextHit = 0;
    for (int k = 1; k <= 45; ++k) {
        placeEnemyOnAircraft(h.world());
        int32_t slot = h.view.world().nextBullet;
        h.polledPress();
        if (!firstNotice && h.listener.calls) firstNotice = k;
        if (!firstShot && h.view.world().nextBullet != slot) firstShot = k;
        h.step();
        if (!nextHit && h.view.lives() == 3) nextHit = k;
    }
    EXPECT_EQ(firstNotice, 22);
    EXPECT_EQ(firstShot, 27);
    EXPECT_EQ(nextHit, 40);
}

TEST(GameHit, TheLastLifeBringsTheBannerAndSilencesTheAircraft) {
    TwinGames t(9);
    t.apply([](GameWorld& w) { w.lives = 1; });
    t.apply(placeEnemyOnAircraft);
    t.step();  // step N
    EXPECT_EQ(t.game.view.lives(), 0);
    EXPECT_EQ(t.game.view.world().gameState, GameState::gameOver);
    EXPECT_EQ(t.game.view.world().bannerY, 0);
    t.apply(removeEnemies);
    Sprite banner(t.game.bitmaps.banner);
    for (int k = 1; k <= 50; ++k) {
        t.game.polledPress();  // the controls do nothing any more
        t.step();
        int32_t drawnAt = std::min(3 * (k - 1), 129);
        EXPECT_EQ(t.game.view.world().bannerY, std::min(3 * k, 129)) << k;
        PlayPicture expected = expectedPicture(t, -1);
        expected.paste(banner, 16, drawnAt - 64);
        EXPECT_EQ(PlayPicture(t.game.window).differencesFrom(expected), 0) << "step N+" << k;
        EXPECT_EQ(t.game.view.world().gameState, GameState::gameOver);
        EXPECT_EQ(t.game.sounds().planeSoundMode, k < 21 ? 1 : -1) << k;
        EXPECT_EQ(t.game.sounds().planeSoundLevel, k < 21 ? 1.0f : 0.0f) << k;
        EXPECT_EQ(t.game.view.world().nextEnemy, 0);  // no spawns
        EXPECT_EQ(t.game.view.world().nextBullet, 0);
    }
    EXPECT_GT(PlayPicture(t.game.window).differencesFrom(expectedPicture(t, -1)), 0);
    EXPECT_EQ(t.game.view.gameOverCount(), 1);
    t.game.click(Point(19, 82));
    EXPECT_EQ(t.game.view.gameOverCount(), 1);
    EXPECT_EQ(t.game.view.stepCount(), 51);
}

TEST(GameHit, CollisionsCountStrictlyInsideTheirSquares) {
    for (int32_t offset : {-15, -14, 14, 15}) {
        for (bool across : {true, false}) {
            GameHarness h(2);
            GameWorld& w = h.world();
            w.difficulty = 0.0f;
            w.planeX = 95;
            w.scroll = 4;
            w.enemies[3] = Enemy{95 + 8 + (across ? offset : 0), kPlaneRow + (across ? 0 : offset), 1};
            h.step();
            EXPECT_EQ(h.view.lives(), std::abs(offset) < 15 ? 4 : 5) << offset << across;
        }
    }
    for (int32_t offset : {-8, -7, 7, 8}) {
        for (bool across : {true, false}) {
            GameHarness h(2);
            GameWorld& w = h.world();
            w.difficulty = 0.0f;
            w.scroll = -6;
            w.bullets[5] = Bullet{60, 40, 1};
            w.enemies[3] = Enemy{60 - 12 + (across ? offset : 0), 40 + (across ? 0 : offset), 1};
            h.sounds().enemySoundOn = 1;
            h.step();
            bool hit = std::abs(offset) < 8;
            EXPECT_EQ(h.view.score(), hit ? 1 : 0) << offset << across;
            EXPECT_EQ(h.view.world().enemies[3].alive, hit ? 0 : 1);
            EXPECT_EQ(h.view.world().bullets[5].alive, hit ? 0 : 1);
            EXPECT_EQ(h.sounds().enemySoundOn, hit ? 0 : 1);
        }
    }
}
