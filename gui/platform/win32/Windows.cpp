// SPDX-License-Identifier: MIT
// Child windows: creation, destruction, zoom, the default procedure and the
// user-data slot that points back at the toolkit's frame.

#include "gui/platform/win32/Handles.h"
#include "gui/platform/win32/TestOverrides.h"
#include "gui/platform/win32/ZoomedWindows.h"

namespace platform {
using namespace win32;

Window createChildWindow(const char* className, Window parent, int32_t width, int32_t height,
                         void* moduleInstance, int32_t zoom) {
    if (!isZoom(zoom)) return nullptr;
    HWND window = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0,
                                  width * zoom, height * zoom, toHwnd(parent), nullptr,
                                  toInstance(moduleInstance), nullptr);
    if (window && !setZoomedPicture(window, zoom, width, height)) {
        DestroyWindow(window);
        return nullptr;
    }
    return fromHwnd(window);
}

bool destroyWindow(Window window) { return DestroyWindow(toHwnd(window)) != 0; }

bool setWindowZoom(Window window, int32_t zoom) {
    HWND handle = toHwnd(window);
    RECT client{};
    if (!isZoom(zoom) || !IsWindow(handle) || !GetClientRect(handle, &client))
        return false;
    int32_t old = windowZoom(window);
    if (zoom == old) return true;
    int32_t width = client.right / old, height = client.bottom / old;
    if (!setZoomedPicture(handle, zoom, width, height)) return false;
    SetWindowPos(handle, nullptr, 0, 0, width * zoom, height * zoom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(handle, nullptr, FALSE);
    UpdateWindow(handle);
    return true;
}

int32_t windowZoom(Window window) {
    ZoomedWindow* zoomed = zoomedWindow(toHwnd(window));
    return zoomed ? zoomed->zoom : 1;
}

// Windows have no per-user zoom of their own: they follow their monitor.
double userScale() { return 0.0; }

// GetDpiForWindow comes with Windows 10 1607; before it, and for no window,
// the screen's device context tells the system's DPI.
double screenScale(Window parent) {
    if (screenScaleOverride()) return *screenScaleOverride();
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    UINT dpi = parent && dpiForWindow ? dpiForWindow(toHwnd(parent)) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = UINT(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi / 96.0;
}

void* nativeWindow(Window window) { return toHwnd(window); }

bool showWindow(Window window, bool visible) {
    if (!IsWindow(toHwnd(window))) return false;
    ShowWindow(toHwnd(window), visible ? SW_SHOW : SW_HIDE);
    return true;
}

intptr_t defaultWindowProc(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return DefWindowProcA(toHwnd(window), message, wParam, lParam);
}

void setWindowUserData(Window window, void* data) {
    SetWindowLongPtrA(toHwnd(window), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
}

void* windowUserData(Window window) {
    return reinterpret_cast<void*>(GetWindowLongPtrA(toHwnd(window), GWLP_USERDATA));
}

}  // namespace platform
