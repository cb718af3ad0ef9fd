// SPDX-License-Identifier: MIT
// A new game, restart from every state, the START square, clicks, the sound
// sets written when the view is made and goes away, and the difficulty.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "gui/OffscreenContext.h"
#include "tests/game/GameHarness.h"

namespace {
// The sixteen fields in their order, sweep last.
std::vector<double> soundFields(SoundEvents& s) {
    return {double(s.planeSoundMode), s.planeSoundLevel, s.planeNoise, s.planePan,
            double(s.planeSoundCounter), double(s.gunState), double(s.gunPeriod), s.gunPan,
            s.gunLevel, double(s.gunCounter), double(s.enemySoundOn), s.enemyLevel,
            s.enemyWave, s.enemyPan, double(s.enemyWaveCounter), double(s.enemySweep)};
}

void scramble(SoundEvents& s) {
    for (SoundField<int32_t>* field : {&s.planeSoundMode, &s.planeSoundCounter, &s.gunState,
                                       &s.gunPeriod, &s.gunCounter, &s.enemySoundOn,
                                       &s.enemyWaveCounter, &s.enemySweep})
        *field = 7;
    for (SoundField<float>* field : {&s.planeSoundLevel, &s.planeNoise, &s.planePan, &s.gunPan,
                                     &s.gunLevel, &s.enemyLevel, &s.enemyWave, &s.enemyPan})
        *field = 0.7f;
}

const std::vector<double> kResetSet{0, 0.25, 0, 0.5, 8, 0, 20, 0.5, 0.5, 0, 0, 0.5, 0, 0.5, 0, 7};
const std::vector<double> kSilenceSet{-1, 0, 0, 0.5, 8, 0, 20, 0.5, 0, 0, 0, 0, 0, 0.5, 0, 7};

void expectNewGame(GameHarness& h) {
    const GameWorld& w = h.view.world();
    EXPECT_EQ(w.gameState, GameState::playing);
    EXPECT_EQ(h.view.score(), 0);
    EXPECT_EQ(h.view.lives(), 5);
    EXPECT_EQ(w.planeX, 85);
    EXPECT_EQ(w.scroll, 0);
    EXPECT_EQ(w.exploding, 0);
    EXPECT_EQ(w.hitCooldown, 0);
    EXPECT_EQ(w.bannerY, -1);
    EXPECT_EQ(w.difficulty, 1.0f);
    EXPECT_EQ(h.view.getValue(), 0.0f);
    EXPECT_EQ(w.nextBullet + w.nextEnemy + w.nextCloud, 0);
    for (const Bullet& b : w.bullets) EXPECT_EQ(b.alive, 0);
    for (const Enemy& e : w.enemies) EXPECT_EQ(e.alive, 0);
    for (const Cloud& c : w.clouds) EXPECT_EQ(c.active, 0);
}

// Takes the aircraft's last life in the coming step.
void placeEnemyOnAircraft(GameWorld& w) {
    w.enemies[0] = Enemy{w.planeX + 2 * w.scroll, kPlaneRow, 1};
}
}  // namespace

TEST(GameView, StartsANewGameWithTheResetSoundsAndMakesItsPictureOnce) {
    GameHarness h(1);
    expectNewGame(h);
    std::vector<double> resetOverDefaults = kResetSet;
    resetOverDefaults.back() = 0;  // the effect's own
    EXPECT_EQ(soundFields(h.sounds()), resetOverDefaults);
    EXPECT_EQ(h.view.world().tileCounter, 0);
    EXPECT_EQ(h.view.world().tiles[4].y, -43);
    EXPECT_EQ(h.view.getTag(), 0);
    EXPECT_TRUE(h.view.isMouseActive());
    EXPECT_EQ(h.view.offscreenContext(), nullptr);
    h.step();
    OffscreenContext* first = h.view.offscreenContext();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->imageWidth(), 298);
    EXPECT_EQ(first->imageHeight(), 281);
    h.step();
    EXPECT_EQ(h.view.offscreenContext(), first);
    EXPECT_EQ(h.view.stepCount(), 2);
}

TEST(GameView, GoingAwayWritesTheSilenceSetEvenMidExplosion) {
    GameHarness h(1);
    auto view = std::make_unique<GameView>(h.soundEvents, h.random, GameEditor::kGameRect, nullptr,
                                           h.bitmaps.tiles, h.bitmaps.backdrop);
    view->setPlaneFrames(h.bitmaps.planes);
    view->setCloudBitmaps(h.bitmaps.clouds);
    view->setEnemyBitmap(h.bitmaps.enemy);
    view->setGameOverBitmap(h.bitmaps.banner);
    placeEnemyOnAircraft(GameViewProbe::world(*view));
    view->paint(h.window.context().get());
    view->paint(h.window.context().get());
    ASSERT_EQ(view->world().exploding, 1);
    SoundEvents& s = h.sounds();
    scramble(s);
    view.reset();
    EXPECT_EQ(soundFields(s), kSilenceSet);  // a spawn alone writes the sweep
}

TEST(GameView, TheStartSquareRestartsFromItsCornersOnlyAndClicksOnlyNotify) {
    const Point inside[] = {{19, 82}, {43, 106}, {19, 106}, {43, 82}, {30, 90}};
    const Point outside[] = {{44, 82}, {18, 82}, {19, 81}, {43, 107}, {100, 100}};
    for (Point where : inside) {
        GameHarness h(1);
        h.world().score = 3;
        h.click(where);
        EXPECT_EQ(h.view.score(), 0) << where.h << "," << where.v;
        EXPECT_EQ(h.listener.calls, 0);
    }
    for (Point where : outside) {
        GameHarness h(1);
        h.world().score = 3;
        h.click(where);
        EXPECT_EQ(h.view.score(), 3) << where.h << "," << where.v;
        EXPECT_EQ(h.listener.calls, 1);
        EXPECT_EQ(h.world().nextBullet, 0);  // a click is no control
    }
    GameHarness inactive(1);
    inactive.world().score = 3;
    inactive.view.setMouseActive(false);
    inactive.click(Point(19, 82));
    inactive.polledPress();
    EXPECT_EQ(inactive.view.score(), 3);
    EXPECT_EQ(inactive.world().nextBullet, 0);
    EXPECT_EQ(inactive.listener.calls, 0);
}

TEST(GameView, RestartFromEveryStateLeavesTheGroundWhereItWas) {
    enum Setup { playing, planeHit, gameOver };
    for (Setup setup : {playing, planeHit, gameOver}) {
        GameHarness h(7);
        for (int i = 0; i < 70; ++i) {
            if (i % 3 == 0) h.polledPress();
            h.step();
            h.world().hitCooldown = 2;
        }
        h.world().score = 4;
        h.world().scroll = 6;
        h.world().planeX = 100;
        h.world().difficulty = 2.0f;
        if (setup != playing) {
            if (setup == gameOver) h.world().lives = 1;
            placeEnemyOnAircraft(h.world());
            for (int i = 0; i < (setup == gameOver ? 30 : 5); ++i) h.step();
        }
        ASSERT_EQ(h.view.world().gameState, GameState(setup));
        auto tiles = h.view.world().tiles;
        int32_t tileCounter = h.view.world().tileCounter;
        h.view.setValue(9.0f);
        scramble(h.sounds());
        h.click(Point(30, 90));
        expectNewGame(h);
        EXPECT_EQ(soundFields(h.sounds()), kResetSet);
        EXPECT_EQ(h.view.world().tileCounter, tileCounter);
        for (size_t i = 0; i < tiles.size(); ++i) {
            EXPECT_EQ(h.view.world().tiles[i].y, tiles[i].y);
            EXPECT_EQ(h.view.world().tiles[i].bitmapIndex, tiles[i].bitmapIndex);
        }
        h.step();
        EXPECT_EQ(h.view.world().tiles[0].y, tiles[0].y - 2);
        EXPECT_EQ(h.view.world().planeFrame, 0);
    }
}

TEST(GameView, SpawnThresholdGrowsWithSpawnsUpToItsCap) {
    GameHarness h(3, false);  // nothing but the ground to draw: many steps
    std::vector<int32_t> thresholds;
    while (thresholds.size() < 160) {
        float before = h.view.world().difficulty;
        int32_t slot = h.view.world().nextEnemy;
        h.step();
        h.world().hitCooldown = 2;  // keeps the aircraft out of harm's way
        if (h.view.world().nextEnemy != slot) thresholds.push_back(int32_t(before * 20.0));
    }
    EXPECT_EQ(std::vector<int32_t>(thresholds.begin(), thresholds.begin() + 9),
              (std::vector<int32_t>{20, 20, 20, 21, 21, 21, 22, 22, 23}));
    EXPECT_EQ(thresholds[150], 79);  // 150 additions stay just under 4.0
    for (size_t i = 151; i < thresholds.size(); ++i) EXPECT_EQ(thresholds[i], 80);
    EXPECT_NEAR(h.view.world().difficulty, 4.02f, 1e-4);
}
