// SPDX-License-Identifier: MIT
#pragma once
// A desktop for tests, on every platform: host windows to open editors in,
// paint and press messages delivered by hand, held buttons and keys, the
// pointer, and a window's pixels read back. The software platform keeps all
// of it in memory; on Win32 the windows, messages and input are real.
// Linked into test programs only, never into the module.

#include "gui/platform/platform.h"

namespace platform::desktop {

// A top-level window standing for the host's editor window, at a screen position.
Window createHostWindow(int32_t width, int32_t height, int32_t screenX = 100,
                        int32_t screenY = 50);
// Destroys it and its children, as a host closing its window first does.
void destroyHostWindow(Window window);
// The first child window of a window (the editor's frame window), or null.
Window firstChild(Window window);
// Invalidates the whole window and has it painted now.
void postPaint(Window window);
// Invalidates `area` of what the window shows and has it painted now (the
// software platform paints and shows the whole window).
void postPaint(Window window, Box area);
// Delivers a left or right button press at a window point, the position
// packed as the platform packs it.
void postPress(Window window, uint32_t message, int32_t x, int32_t y);
void postMessage(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// A pixel of what the window shows on the screen (its picture zoomed).
ColorRef windowPixel(Window window, int32_t x, int32_t y);
// Holds or releases a mouse button or key (a VirtualKey).
void setHeld(int32_t virtualKey, bool down);
void releaseAll();
void setPointer(Pt screen);
// The tick count the platform answers from now on, or the real one again.
void setTicks(uint32_t ticks);
void useRealTicks();
// The scale the screen reports to screenScale from now on; 0: the real one again.
void setScreenScale(double scale);

}  // namespace platform::desktop
