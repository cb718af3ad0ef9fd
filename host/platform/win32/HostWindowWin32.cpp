// SPDX-License-Identifier: MIT
// The host window on Windows, with input injected through SendInput.

#include <windows.h>

#include "gui/platform/testdesktop/Win32InputInjection.h"
#include "host/platform/HostWindow.h"

namespace {
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The window's outer size for an inside of `width` by `height`.
SIZE outerSize(int32_t width, int32_t height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, kStyle, FALSE);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

bool userClosed = false;

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        userClosed = true;
        return 0;
    }
    // Alt pressed and released alone would open the window menu's keyboard
    // mode, a loop of its own that holds this thread until a key ends it;
    // the game uses Alt as a control.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

class Win32HostWindow : public HostWindow {
public:
    Win32HostWindow(HWND window, int32_t width, int32_t height)
        : window(window), width(width), height(height) {}
    ~Win32HostWindow() override {
        releaseHeld();
        destroyNow();
    }

    void* parentHandle() override { return window; }

    void destroyNow() override {
        if (!window) return;
        DestroyWindow(window);
        window = nullptr;
    }

    void resize(int32_t newWidth, int32_t newHeight) override {
        width = newWidth;
        height = newHeight;
        const SIZE outer = outerSize(width, height);
        SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    bool pumpEvents() override {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return !userClosed;
    }

    bool hasChildWindows() override { return window && GetWindow(window, GW_CHILD); }

    bool capture(Screenshot& shot) override {
        HDC windowDc = GetDC(window);
        HDC memoryDc = CreateCompatibleDC(windowDc);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP section = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bool ok = section != nullptr;
        if (ok) {
            HGDIOBJ previous = SelectObject(memoryDc, section);
            ok = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != 0;
            GdiFlush();
            shot.width = width;
            shot.height = height;
            shot.rgb.resize(size_t(width) * size_t(height) * 3);
            const auto* pixels = static_cast<const uint8_t*>(bits);
            for (size_t i = 0; i < size_t(width) * size_t(height); ++i) {
                shot.rgb[i * 3] = pixels[i * 4 + 2];
                shot.rgb[i * 3 + 1] = pixels[i * 4 + 1];
                shot.rgb[i * 3 + 2] = pixels[i * 4];
            }
            SelectObject(memoryDc, previous);
            DeleteObject(section);
        }
        DeleteDC(memoryDc);
        ReleaseDC(window, windowDc);
        return ok;
    }

    void movePointer(int32_t x, int32_t y) override {
        POINT point{x, y};
        ClientToScreen(window, &point);
        SetCursorPos(point.x, point.y);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG(point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = LONG(point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
    }

private:
    void inject(InputKey key, bool down) override {
        // In InputKey's order.
        static const int32_t virtualKeys[inputKeyCount] = {VK_LBUTTON, VK_MBUTTON, VK_RBUTTON,
                                                           VK_SHIFT,   VK_CONTROL, VK_MENU};
        platform::win32::injectHeld(virtualKeys[int(key)], down);
    }

    HWND window;
    int32_t width, height;
};
}  // namespace

std::unique_ptr<HostWindow> HostWindow::create(int32_t width, int32_t height, const char* title,
                                               std::string& error) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = hostWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "SkyrunHostWindow";
        registered = RegisterClassA(&windowClass) != 0;
    }
    const SIZE outer = outerSize(width, height);
    HWND window = CreateWindowExA(0, "SkyrunHostWindow", title, kStyle, 0, 0, outer.cx, outer.cy,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) {
        error = "cannot create a window";
        return nullptr;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return std::make_unique<Win32HostWindow>(window, width, height);
}
