// Button and key state, the pointer and the clock, read at the moment of the
// call.

#include "gui/platform/win32/Handles.h"
#include "gui/platform/win32/TickOverride.h"

namespace platform {
using namespace win32;

bool isKeyDown(int32_t virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

Pt cursorPosition() {
    POINT point{0, 0};
    GetCursorPos(&point);
    return {point.x, point.y};
}

Pt screenToWindow(Window window, Pt point) {
    MapWindowPoints(nullptr, toHwnd(window), toPoints(&point), 1);
    return point;
}

uint32_t tickCount() { return tickOverride() ? *tickOverride() : GetTickCount(); }

}  // namespace platform
