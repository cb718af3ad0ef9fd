// SPDX-License-Identifier: MIT
// Bullets and enemies: how long a shot lives and where it shows, the ring
// of shots, spawn lanes, drift, leaving at the bottom, off-view sprites that
// still count, and which enemy's pan the rumble takes.

#include <gtest/gtest.h>

#include <set>

#include "tests/game/GameHarness.h"

namespace {
void stopSpawns(GameWorld& w) { w.difficulty = 0.0f; }
}  // namespace

TEST(GameShots, AShotShowsAsAWhiteDashFor24StepsThenTheGunFallsSilent) {
    TwinGames t(4);
    t.apply(stopSpawns);
    t.game.polledPress();  // only the game twin shoots: its dash must show
    SoundEvents& s = t.game.sounds();
    EXPECT_EQ(s.gunState, 1);
    EXPECT_EQ(s.gunPeriod, 10);
    EXPECT_EQ(s.gunPan, 0.5f);
    EXPECT_EQ(s.gunLevel, 0.25f);
    EXPECT_EQ(s.gunCounter, 0);
    Sprite aircraft(t.game.bitmaps.planes[0]);
    for (int j = 0; j <= 24; ++j) {
        t.step();
        PlayPicture expected(t.ground.window);
        expected.paste(aircraft, 85 - 7, 122);
        if (j <= 23)
            for (int row = 0; row < 3; ++row) expected.plot(85, 120 - 5 * j + row, colorref::white);
        EXPECT_EQ(PlayPicture(t.game.window).differencesFrom(expected), 0) << "step K+" << j;
        EXPECT_EQ(t.game.view.world().bullets[0].alive, j < 23 ? 1 : 0) << j;
        EXPECT_EQ(s.gunState, j < 24 ? 1 : 0) << j;
    }
}

TEST(GameShots, TheSeventeenthShotTakesTheOldestSlot) {
    GameHarness h(4);
    h.world().difficulty = 0.0f;
    for (int shot = 1; shot <= 17; ++shot) {
        h.polledPress();
        if (shot < 17) h.step();
    }
    const GameWorld& w = h.view.world();
    EXPECT_EQ(w.nextBullet, 1);
    EXPECT_EQ(w.bullets[0].y, 120);
    EXPECT_EQ(w.bullets[1].y, 120 - 5 * 15);
    int alive = 0;
    for (const Bullet& b : w.bullets) alive += b.alive;
    EXPECT_EQ(alive, 16);
}

TEST(GameShots, OffViewShotsAndEnemiesStillMoveAndHit) {
    TwinGames t(6);
    t.apply([](GameWorld& w) {
        stopSpawns(w);
        w.planeX = 10;
        w.scroll = -30;
        w.enemies[6] = Enemy{160, 20, 1};  // play-area x 220: off view
    });
    GameWorld& shots = t.game.world();
    shots.bullets[0] = Bullet{0, 100, 1};    // at the left edge: not drawn
    shots.bullets[1] = Bullet{169, 100, 1};  // at the right edge: not drawn
    shots.bullets[2] = Bullet{220, 50, 1};   // off view, aimed at the enemy below
    shots.enemies[4] = Enemy{160, 52, 1};
    t.game.sounds().enemyPan = 0.77f;
    t.step();
    PlayPicture expected(t.ground.window);
    expected.paste(Sprite(t.game.bitmaps.planes[0]), 10 - 7, 122);
    EXPECT_EQ(PlayPicture(t.game.window).differencesFrom(expected), 0);
    const GameWorld& w = t.game.view.world();
    EXPECT_EQ(t.game.view.score(), 1);
    EXPECT_EQ(w.enemies[4].alive, 0);
    EXPECT_EQ(w.bullets[2].alive, 0);
    EXPECT_EQ(w.bullets[0].y, 95);
    EXPECT_EQ(w.bullets[1].y, 95);
    EXPECT_EQ(w.enemies[6].y, 24);
    EXPECT_EQ(t.game.sounds().enemyPan, 0.77f);  // nothing drawn, no pan
}

TEST(GameEnemies, SpawnInFourLanesAtTheTopAndSetTheRumble) {
    GameHarness h(8);
    h.world().difficulty = 15.0f;  // a spawn every step
    std::set<int32_t> lanes;
    for (int i = 0; i < 40; ++i) {
        h.step();
        h.world().hitCooldown = 2;
        const GameWorld& w = h.view.world();
        EXPECT_EQ(w.nextEnemy, (i + 1) % 16);
        const Enemy& e = w.enemies[size_t(w.nextEnemy)];
        EXPECT_EQ(e.y, -15);
        EXPECT_EQ(e.alive, 1);
        lanes.insert(e.x);
        SoundEvents& s = h.sounds();
        EXPECT_EQ(s.enemySoundOn, 1);
        EXPECT_EQ(s.enemyLevel, 0.135f);
        EXPECT_EQ(s.enemyWave, 0.25f);
        EXPECT_EQ(s.enemyPan, float(e.x / 170.0));  // the spawn's pan outlasts the drawn ones
        EXPECT_EQ(s.enemyWaveCounter, 1);
        EXPECT_EQ(s.enemySweep, 1);
    }
    EXPECT_EQ(lanes, (std::set<int32_t>{0, 32, 128, 160}));
    EXPECT_EQ(h.view.world().difficulty, 15.0f);
}

// With no row to renew and no enemy alive, a step draws once for a cloud and
// then once for the spawn, so a seed picks the spawn's draw exactly.
TEST(GameEnemies, ASpawnNeedsADrawBelowTheThreshold) {
    for (int32_t draw : {19, 20}) {
        uint32_t seed = 0;
        for (;; ++seed) {
            RandomStream r(seed);
            if (r.next() % 100 >= 2 && r.next() % 300 == draw) break;
        }
        GameHarness h(seed, false);
        h.world().tileCounter = 0;  // no ground row is renewed this step
        ASSERT_EQ(int32_t(h.view.world().difficulty * 20.0f), 20);
        h.step();
        EXPECT_EQ(h.view.world().nextEnemy, draw < 20 ? 1 : 0) << "draw " << draw;
    }
}

TEST(GameEnemies, TheHighestNumberedDrawnEnemySetsThePan) {
    struct Case {
        int32_t firstX, secondX;
        float pan;
    };
    // Play-area x = world x here; one enemy at -16 or beyond the right is not drawn.
    for (Case c : {Case{40, 100, 0.625f}, Case{40, -15, -0.09375f}, Case{40, -16, 0.25f},
                   Case{40, 188, 0.25f}, Case{-16, 187, float(187 / 160.0)},
                   Case{-16, 188, 0.9f}}) {
        GameHarness h(3);
        GameWorld& w = h.world();
        stopSpawns(w);
        w.enemies[2] = Enemy{c.firstX, 50, 1};
        w.enemies[5] = Enemy{c.secondX, 50, 1};
        h.sounds().enemyPan = 0.9f;
        h.step();
        EXPECT_EQ(h.sounds().enemyPan, c.pan) << c.firstX << " " << c.secondX;
    }
}

TEST(GameEnemies, DriftIsClampedAndLeavingAtTheBottomCostsNothing) {
    GameHarness h(11);
    GameWorld& w = h.world();
    stopSpawns(w);
    w.enemies[0] = Enemy{-64, -15, 1};
    w.enemies[1] = Enemy{233, -15, 1};
    w.enemies[2] = Enemy{0, 205, 1};
    h.sounds().enemySoundOn = 1;
    bool leftClamped = false, rightClamped = false;
    h.step();
    EXPECT_EQ(w.enemies[2].y, 209);
    EXPECT_EQ(w.enemies[2].alive, 1);
    EXPECT_EQ(h.sounds().enemySoundOn, 1);
    h.step();
    EXPECT_EQ(w.enemies[2].alive, 0);
    EXPECT_EQ(h.sounds().enemySoundOn, 0);
    EXPECT_EQ(h.view.lives(), 5);
    EXPECT_EQ(h.view.score(), 0);
    for (int i = 0; i < 30; ++i) {
        h.step();
        EXPECT_GE(w.enemies[0].x, -64);
        EXPECT_LE(w.enemies[1].x, 233);
        leftClamped |= w.enemies[0].x == -64;
        rightClamped |= w.enemies[1].x == 233;
    }
    EXPECT_TRUE(leftClamped);
    EXPECT_TRUE(rightClamped);
}
