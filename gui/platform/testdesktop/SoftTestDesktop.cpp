// SPDX-License-Identifier: MIT
// The test desktop of the software platform: windows in memory, input set
// in the process-wide state the platform's polls read.

#include "gui/platform/testdesktop/TestDesktop.h"
#include "gui/platform/soft/InputState.h"
#include "gui/platform/soft/SoftWindow.h"

namespace platform::desktop {
using namespace ::soft;

Window createHostWindow(int32_t width, int32_t height, int32_t screenX, int32_t screenY) {
    SoftWindow* window = newWindow(nullptr, width, height);
    window->x = screenX;
    window->y = screenY;
    return handleOf(window);
}

void destroyHostWindow(Window window) { destroyWindow(window); }

Window firstChild(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    return soft && !soft->children.empty() ? handleOf(soft->children.front()) : nullptr;
}

void postPaint(Window window) {
    if (SoftWindow* soft = asSoftWindow(window)) deliverPaint(soft);
}

void postPaint(Window window, Box) { postPaint(window); }

void postPress(Window window, uint32_t message, int32_t x, int32_t y) {
    if (SoftWindow* soft = asSoftWindow(window)) deliverPress(soft, message, x, y);
}

void postMessage(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (SoftWindow* soft = asSoftWindow(window)) deliver(soft, message, wParam, lParam);
}

// A headless window's screen holds what was presented; the server shows an X11 one's.
ColorRef windowPixel(Window window, int32_t x, int32_t y) {
    SoftWindow* soft = asSoftWindow(window);
    if (!soft) return 0xFFFFFFFF;
    const Surface& seen = soft->system == &headlessWindowSystem() ? soft->screen : soft->shown();
    return seen.contains(x, y) ? toColorRef(seen.at(x, y)) : 0xFFFFFFFF;
}

void setHeld(int32_t virtualKey, bool down) { ::soft::setKeyDown(virtualKey, down); }

void releaseAll() {
    for (int32_t key : {vkLeftButton, vkMiddleButton, vkRightButton, vkShift, vkControl, vkAlt})
        ::soft::setKeyDown(key, false);
}

void setPointer(Pt screen) { ::soft::setCursorPosition(screen); }
void setTicks(uint32_t ticks) { ::soft::setTickOverride(ticks); }
void useRealTicks() { ::soft::setTickOverride(std::nullopt); }
void setScreenScale(double scale) {
    ::soft::setScreenScaleOverride(scale > 0.0 ? std::optional(scale) : std::nullopt);
}

}  // namespace platform::desktop
