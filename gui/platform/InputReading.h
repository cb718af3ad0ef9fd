// SPDX-License-Identifier: MIT
#pragma once
// One reading of the buttons, keys and pointer, as each platform takes it;
// InputPass.cpp answers the platform's input calls from it.

#include <cstdint>

#include "gui/platform/platform.h"

namespace platform {

// The keys a reading holds: the VirtualKeys, all below 32.
constexpr int32_t kReadKeys[] = {vkLeftButton, vkRightButton, vkMiddleButton,
                                 vkShift,      vkControl,     vkAlt};

struct InputReading {
    uint32_t held = 0;  // bit 1 << key for each of kReadKeys that is down
    bool hasPointer = false;
    Pt pointer{0, 0};  // screen coordinates
    // Where the pointer lies in this window, when the reading tells that too.
    Window window = nullptr;
    Pt inWindow{0, 0};
};

// The platform's part: reads the keys now, the pointer too when asked for
// or when it comes at no extra cost, and where the pointer lies in `window`
// when that comes at no extra cost.
InputReading readInput(Window window, bool withPointer);
// MapWindowPoints(null, window).
Pt mapToWindow(Window window, Pt point);

}  // namespace platform
