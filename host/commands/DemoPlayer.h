#pragma once
// The demo's player: plays the game with real key and button presses from
// what the status query tells. It flies, fires, parks in an enemy lane
// until the game is lost, presses START and plays on.

#include <cstdint>

#include "host/platform/HostWindow.h"
#include "interface/GameStatus.h"

class DemoPlayer {
public:
    explicit DemoPlayer(HostWindow& window) : window(window) {}

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
    Phase phase = Phase::warmUp;
    int32_t since = 0;
    int32_t gameOversSeen = 0;
    InputKey held = InputKey::leftButton;
    bool holding = false;
};
