// Child windows: creation, destruction, the default procedure and the
// user-data slot that points back at the toolkit's frame.

#include "gui/platform/win32/Handles.h"

namespace platform {
using namespace win32;

Window createChildWindow(const char* className, Window parent, int32_t width, int32_t height,
                         void* moduleInstance) {
    return fromHwnd(CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                    height, toHwnd(parent), nullptr, toInstance(moduleInstance),
                                    nullptr));
}

bool destroyWindow(Window window) { return DestroyWindow(toHwnd(window)) != 0; }

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
