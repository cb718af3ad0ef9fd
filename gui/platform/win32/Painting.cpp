// Window device contexts and paint messages. The host's own message loop
// delivers the messages, so there is nothing to drain here.

#include <new>

#include "gui/platform/win32/Handles.h"

namespace platform {
using namespace win32;

static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintState::opaque));
static_assert(alignof(PAINTSTRUCT) <= alignof(PaintState));

Dc getDc(Window window) { return fromHdc(GetDC(toHwnd(window))); }
void releaseDc(Window window, Dc dc) { ReleaseDC(toHwnd(window), toHdc(dc)); }
bool hasUpdateRegion(Window window) { return GetUpdateRect(toHwnd(window), nullptr, FALSE) != 0; }

Dc beginPaint(Window window, PaintState& state) {
    auto* paint = new (state.opaque) PAINTSTRUCT{};
    state.dc = fromHdc(BeginPaint(toHwnd(window), paint));
    return state.dc;
}

void endPaint(Window window, PaintState& state) {
    EndPaint(toHwnd(window), std::launder(reinterpret_cast<PAINTSTRUCT*>(state.opaque)));
}

void dispatchPendingMessages() {}

}  // namespace platform
