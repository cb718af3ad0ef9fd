// SPDX-License-Identifier: MIT
// Window classes whose procedure is the toolkit's platform::WindowProc.
// Windows calls a stdcall WNDPROC, so every class gets the same trampoline,
// which finds the toolkit's procedure by the window's class atom. A zoomed
// window's presses reach the toolkit in its own pixels.

#include <array>
#include <string>

#include "gui/platform/Zoom.h"
#include "gui/platform/win32/Handles.h"
#include "gui/platform/win32/ZoomedWindows.h"

namespace platform {
using namespace win32;

namespace {
// The toolkit registers one class per module; a few slots leave room for tests.
struct RegisteredClass {
    ATOM atom = 0;
    std::string name;
    WindowProc proc = nullptr;
};
std::array<RegisteredClass, 8> registeredClasses;

RegisteredClass* classWithAtom(ATOM atom) {
    for (RegisteredClass& entry : registeredClasses)
        if (entry.atom == atom) return &entry;
    return nullptr;
}

RegisteredClass* classNamed(const char* name) {
    for (RegisteredClass& entry : registeredClasses)
        if (entry.atom && entry.name == name) return &entry;
    return nullptr;
}

LRESULT CALLBACK trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RegisteredClass* entry = classWithAtom(ATOM(GetClassLongPtrA(window, GCW_ATOM)));
    if (!entry) return DefWindowProcA(window, message, wParam, lParam);
    if (ZoomedWindow* zoomed = zoomedWindow(window);
        zoomed && (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN))
        lParam = unzoomedPosition(lParam, zoomed->zoom);
    LRESULT result = entry->proc(fromHwnd(window), message, wParam, lParam);
    if (message == WM_NCDESTROY) setZoomedPicture(window, 1, 0, 0);
    return result;
}
}  // namespace

bool registerWindowClass(const char* className, WindowProc proc, void* moduleInstance) {
    RegisteredClass* free = classWithAtom(0);
    if (!free || !proc) return false;
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = trampoline;
    windowClass.hInstance = toInstance(moduleInstance);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F00));  // the arrow
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    ATOM atom = RegisterClassA(&windowClass);
    if (!atom) return false;
    *free = RegisteredClass{atom, className, proc};
    return true;
}

void unregisterWindowClass(const char* className, void* moduleInstance) {
    if (!UnregisterClassA(className, toInstance(moduleInstance))) return;
    if (RegisteredClass* entry = classNamed(className)) *entry = RegisteredClass{};
}

}  // namespace platform
