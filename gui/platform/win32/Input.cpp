// SPDX-License-Identifier: MIT
// Button and key state and the pointer, read at the moment of the call, and
// the clock.

#include "gui/platform/InputReading.h"
#include "gui/platform/win32/Handles.h"
#include "gui/platform/win32/TestOverrides.h"

namespace platform {
using namespace win32;

// The pointer costs a call of its own here (a slow one under Wine, which asks
// the X server), so it is read only when asked for, and mapping it is left to
// mapToWindow.
InputReading readInput(Window, bool withPointer) {
    InputReading reading;
    for (int32_t key : kReadKeys)
        if (GetAsyncKeyState(key) & 0x8000) reading.held |= 1u << key;
    if (withPointer) {
        POINT point{0, 0};
        GetCursorPos(&point);
        reading.pointer = {point.x, point.y};
        reading.hasPointer = true;
    }
    return reading;
}

Pt mapToWindow(Window window, Pt point) {
    MapWindowPoints(nullptr, toHwnd(window), toPoints(&point), 1);
    return point;
}

uint32_t tickCount() { return tickOverride() ? *tickOverride() : GetTickCount(); }

}  // namespace platform
