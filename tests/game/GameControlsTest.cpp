// SPDX-License-Identifier: MIT
// The player's controls as the paint's poll reads them: which buttons and
// keys move and which fire, the walls, game over, the START square under the
// pointer and the return of the controls after a hit. Input is held through
// the test desktop, so on Win32 it goes in as the user's own.

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "gui/platform/testdesktop/TestDesktop.h"
#include "tests/game/GameHarness.h"

using namespace platform;

namespace {
// Holds the keys until it goes out of scope.
class HeldInput {
public:
    explicit HeldInput(std::initializer_list<int32_t> keys) : keys(keys) {
        for (int32_t key : keys) desktop::setHeld(key, true);
    }
    ~HeldInput() {
        for (int32_t key : keys) desktop::setHeld(key, false);
    }

private:
    std::vector<int32_t> keys;
};

// The canvas the game paints on has no window, so the pointer's screen
// position is where the game reads it. Each test starts with nothing held
// and the pointer away from the START square.
class GameControls : public testing::Test {
protected:
    void SetUp() override {
        desktop::releaseAll();
        desktop::setPointer(Pt{150, 150});
    }
    void TearDown() override { desktop::releaseAll(); }
};

struct ControlCase {
    std::initializer_list<int32_t> keys;
    int32_t move;  // -1 left, +1 right, 0 fire
};
const ControlCase kControls[] = {
    {{vkLeftButton}, -1},          {{vkControl}, -1},
    {{vkRightButton}, 1},          {{vkAlt}, 1},
    {{vkShift}, 0},                {{vkMiddleButton}, 0},
    {{vkLeftButton, vkRightButton}, 0}, {{vkLeftButton, vkAlt}, 0},
    {{vkControl, vkRightButton}, 0},    {{vkShift, vkLeftButton}, 0},
};
}  // namespace

TEST_F(GameControls, EachControlMovesOrFiresOnceAStep) {
    for (const ControlCase& c : kControls) {
        GameHarness h(1);
        h.world().difficulty = 0.0f;
        h.world().bullets[9] = Bullet{50, 100, 1};
        {
            HeldInput held(c.keys);
            h.step();
        }
        const GameWorld& w = h.view.world();
        EXPECT_EQ(w.planeX, 85 + 5 * c.move);
        EXPECT_EQ(w.scroll, 2 * c.move);
        EXPECT_EQ(w.planeFrame, c.move == 0 ? 0 : c.move < 0 ? 1 : 2);
        EXPECT_EQ(w.bullets[9].x, 50 - 5 * c.move);  // the shots shift with the world
        EXPECT_EQ(h.sounds().planePan, float(0.5 - 0.03 * c.move));
        EXPECT_EQ(w.nextBullet, c.move == 0 ? 1 : 0);
        EXPECT_EQ(h.sounds().gunState, c.move == 0 ? 1 : 0);
        EXPECT_EQ(h.listener.calls, 1);
    }
}

TEST_F(GameControls, WallsStopMovesWithoutFiringAndGameOverStopsEverything) {
    for (const ControlCase& c : kControls) {
        if (c.move == 0) continue;
        GameHarness h(1);
        h.world().planeX = c.move < 0 ? 10 : 155;
        h.world().scroll = c.move < 0 ? -30 : 28;
        HeldInput held(c.keys);
        h.step();
        EXPECT_EQ(h.view.world().planeX, c.move < 0 ? 10 : 155);
        EXPECT_EQ(h.view.world().scroll, c.move < 0 ? -30 : 28);
        EXPECT_EQ(h.view.world().nextBullet, 0);
    }
    for (const ControlCase& c : kControls) {
        GameHarness h(1);
        h.world().lives = 0;
        h.world().gameState = GameState::gameOver;
        HeldInput held(c.keys);
        h.step();
        EXPECT_EQ(h.view.world().planeX, 85);
        EXPECT_EQ(h.view.world().nextBullet, 0);
        EXPECT_EQ(h.sounds().planePan, 0.5f);
    }
}

TEST_F(GameControls, HoldingADirectionRunsToTheWall) {
    for (int32_t key : {vkLeftButton, vkRightButton}) {
        bool left = key == vkLeftButton;
        GameHarness h(1);
        h.world().difficulty = 0.0f;
        HeldInput held({key});
        for (int i = 0; i < (left ? 15 : 14); ++i) h.step();
        EXPECT_EQ(h.view.world().planeX, left ? 10 : 155);
        EXPECT_EQ(h.view.world().scroll, left ? -30 : 28);
        EXPECT_NEAR(h.sounds().planePan, left ? 0.95f : 0.08f, 1e-5);
        h.step();
        EXPECT_EQ(h.view.world().planeX, left ? 10 : 155);
        EXPECT_EQ(h.view.world().nextBullet, 0);
    }
}

TEST_F(GameControls, ThePointerInTheStartSquareRestartsWhateverIsHeld) {
    for (Point where : {Point(19, 82), Point(43, 106), Point(44, 82)}) {
        GameHarness h(1);
        h.world().score = 3;
        h.world().lives = 0;
        h.world().gameState = GameState::gameOver;
        desktop::setPointer(Pt{where.h, where.v});
        HeldInput held({vkLeftButton});
        h.step();
        bool restarted = where.h <= 43;
        EXPECT_EQ(h.view.score(), restarted ? 0 : 3);
        EXPECT_EQ(h.view.world().gameState, restarted ? GameState::playing : GameState::gameOver);
        EXPECT_EQ(h.view.world().planeX, 85);  // no move in the step of the restart
    }
}

TEST_F(GameControls, AfterAHitTheAircraftAnswersToMovesFromStep22) {
    GameHarness h(5);
    h.world().difficulty = 0.0f;
    h.world().enemies[0] = Enemy{85, kPlaneRow, 1};
    h.step();
    h.world().enemies.fill(Enemy{});
    HeldInput left({vkControl});
    for (int k = 1; k <= 22; ++k) {
        h.step();
        EXPECT_EQ(h.view.world().planeX, k < 22 ? 85 : 80) << k;
    }
}
