// SPDX-License-Identifier: MIT
#include "host/commands/DemoPlayer.h"

void DemoPlayer::act(int32_t idle, const GameStatus& status) {
    switch (phase) {
    case Phase::warmUp:
        if (idle >= 20) begin(Phase::flyRight, idle);
        break;
    case Phase::flyRight:
        hold(InputKey::rightButton);
        if (idle - since >= 12) begin(Phase::fireRight, idle);
        break;
    case Phase::fireRight:
        hold(InputKey::shift);
        if (idle - since >= 60) begin(Phase::flyLeft, idle);
        break;
    case Phase::flyLeft:
        hold(InputKey::control);
        if (idle - since >= 18) begin(Phase::fireLeft, idle);
        break;
    case Phase::fireLeft:
        hold(InputKey::shift);
        if (idle - since >= 45) begin(Phase::toLane, idle);
        break;
    case Phase::toLane:
        // From the far left back to the lane at world x 128, then wait there.
        hold(InputKey::alt);
        if (idle - since >= 12) begin(Phase::waitInLane, idle);
        break;
    case Phase::waitInLane:
        release();
        if (status.gameOvers > gameOversSeen) begin(Phase::pressStart, idle);
        break;
    case Phase::pressStart:
        if (idle - since == 20) window.movePointer(31 * zoom, 94 * zoom);
        if (idle - since == 21) hold(InputKey::leftButton);
        if (idle - since >= 23) {
            release();
            gameOversSeen = status.gameOvers;
            begin(Phase::playOn, idle);
        }
        break;
    case Phase::playOn:
        hold((idle / 20) % 3 == 0   ? InputKey::rightButton
             : (idle / 20) % 3 == 1 ? InputKey::shift
                                    : InputKey::control);
        break;
    }
}

void DemoPlayer::release() {
    if (holding) window.setHeld(held, false);
    holding = false;
}

void DemoPlayer::begin(Phase next, int32_t idle) {
    release();
    phase = next;
    since = idle;
}

void DemoPlayer::hold(InputKey key) {
    if (holding && held == key) return;
    release();
    window.setHeld(key, true);
    held = key;
    holding = true;
}
