// SPDX-License-Identifier: MIT
// The test desktop on Win32: real top-level windows, messages sent to the
// window procedure, input injected with SendInput, and the clock overridden.

#include <optional>

#include "gui/platform/testdesktop/TestDesktop.h"
#include "gui/platform/win32/Handles.h"
#include "gui/platform/testdesktop/Win32InputInjection.h"
#include "gui/platform/win32/TestOverrides.h"

namespace platform::desktop {
using namespace win32;

namespace {
const char* hostClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SkyrunTestHost";
        registered = RegisterClassA(&windowClass) != 0;
    }
    return "SkyrunTestHost";
}
}  // namespace

Window createHostWindow(int32_t width, int32_t height, int32_t screenX, int32_t screenY) {
    HWND window = CreateWindowExA(0, hostClass(), "Host", WS_POPUP | WS_VISIBLE, screenX, screenY,
                                  width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return fromHwnd(window);
}

void destroyHostWindow(Window window) { DestroyWindow(toHwnd(window)); }

Window firstChild(Window window) { return fromHwnd(GetWindow(toHwnd(window), GW_CHILD)); }

void postPaint(Window window) {
    InvalidateRect(toHwnd(window), nullptr, FALSE);
    UpdateWindow(toHwnd(window));
}

void postPaint(Window window, Box area) {
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(toHwnd(window), &rect, FALSE);
    UpdateWindow(toHwnd(window));
}

void postPress(Window window, uint32_t message, int32_t x, int32_t y) {
    SendMessageA(toHwnd(window), message, 0, MAKELPARAM(x, y));
}

void postMessage(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    SendMessageA(toHwnd(window), message, wParam, lParam);
}

ColorRef windowPixel(Window window, int32_t x, int32_t y) {
    HDC dc = GetDC(toHwnd(window));
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(toHwnd(window), dc);
    return color;
}

void setHeld(int32_t virtualKey, bool down) { injectHeld(virtualKey, down); }

void releaseAll() {
    for (int32_t key : {vkLeftButton, vkMiddleButton, vkRightButton, vkShift, vkControl, vkAlt})
        if (GetAsyncKeyState(key) & 0x8000) injectHeld(key, false);
}

// Wine answers a move with X events that carry the modifier keys as the X
// server knows them, and it never saw the keys injected here. They are taken
// in now, so that they cannot let go of keys injected after the move. Wine
// asks the X server for the position only when its own is over 100 ms old;
// that query returns after the move's events, and the wait handles them.
void setPointer(Pt screen) {
    SetCursorPos(screen.x, screen.y);
    Sleep(110);
    POINT where;
    GetCursorPos(&where);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}
void setTicks(uint32_t ticks) { tickOverride() = ticks; }
void useRealTicks() { tickOverride().reset(); }
void setScreenScale(double scale) {
    screenScaleOverride() = scale > 0.0 ? std::optional(scale) : std::nullopt;
}

}  // namespace platform::desktop
