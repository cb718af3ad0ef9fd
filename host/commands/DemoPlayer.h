// SPDX-License-Identifier: MIT
#pragma once
// The demo's player: plays the game with real key and button presses from
// what the status query tells. It flies, fires, parks in an enemy lane
// until the game is lost, presses START and plays on.

#include <cstdint>

#include "host/platform/HostWindow.h"
#include "interface/GameStatus.h"

class DemoPlayer {
public:
    static constexpr int32_t kEditorWidth = 302;  // at zoom 1
    DemoPlayer(HostWindow& window, int32_t zoom) : window(window), zoom(zoom) {}

    // Before editor idle number `idle`.
    void act(int32_t idle, const GameStatus& status);
    // Lets go of what is held.
    void release();

private:
    enum class Phase { warmUp, flyRight, fireRight, flyLeft, fireLeft, toLane, waitInLane,
                       pressStart, playOn };
    void begin(Phase next, int32_t idle);
    void hold(InputKey key);

    HostWindow& window;
    int32_t zoom;
    Phase phase = Phase::warmUp;
    int32_t since = 0;
    int32_t gameOversSeen = 0;
    InputKey held = InputKey::leftButton;
    bool holding = false;
};
