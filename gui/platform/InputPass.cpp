// SPDX-License-Identifier: MIT
// The input calls of every platform: answered from a fresh reading, or inside
// an input pass from the pass's one reading.

#include "gui/platform/InputReading.h"
#include "gui/platform/Zoom.h"

namespace platform {
namespace {
int32_t passDepth = 0;
Window passWindow = nullptr;
bool passHasReading = false;
InputReading passReading;

// A pass that has read only the keys reads the pointer at its first read,
// where reading the keys does not bring it along (Win32).
InputReading currentInput(bool withPointer) {
    if (passDepth == 0) return readInput(nullptr, withPointer);
    if (!passHasReading) {
        passReading = readInput(passWindow, withPointer);
        passHasReading = true;
    } else if (withPointer && !passReading.hasPointer) {
        uint32_t held = passReading.held;
        passReading = readInput(passWindow, true);
        passReading.held = held;
    }
    return passReading;
}
}  // namespace

// A nested pass reads anew, so that a control following the mouse inside an
// idle sees the buttons change at each idle it runs.
void beginInputPass(Window window) {
    ++passDepth;
    passWindow = window;
    passHasReading = false;
}

void endInputPass() {
    if (passDepth > 0) --passDepth;
}

bool isKeyDown(int32_t virtualKey) {
    return virtualKey >= 0 && virtualKey < 32 &&
           (currentInput(false).held >> virtualKey & 1u) != 0;
}

Pt cursorPosition() { return currentInput(true).pointer; }

// The platform maps into what the window shows; a zoomed window's own
// pixels are that divided by its zoom.
Pt screenToWindow(Window window, Pt point) {
    bool fromReading = passDepth > 0 && passHasReading && window &&
                       passReading.window == window && point.x == passReading.pointer.x &&
                       point.y == passReading.pointer.y;
    return unzoomed(fromReading ? passReading.inWindow : mapToWindow(window, point),
                    windowZoom(window));
}

}  // namespace platform
