// SPDX-License-Identifier: MIT
// Window device contexts and paint messages. The host's own message loop
// delivers the messages, so there is nothing to drain here. A zoomed window
// is drawn in its picture and shown stretched when the context is released.

#include <new>

#include "gui/platform/win32/Handles.h"
#include "gui/platform/win32/ZoomedWindows.h"

namespace platform {
using namespace win32;

static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintState::opaque));
static_assert(alignof(PAINTSTRUCT) <= alignof(PaintState));

namespace {
// Each context on the picture starts as a new window context would; the
// state drawing left behind goes with its release.
HDC openPicture(ZoomedWindow& zoomed) {
    SaveDC(zoomed.picture);
    return zoomed.picture;
}

// What drawing touched since the last showing.
RECT closePicture(ZoomedWindow& zoomed) {
    RECT touched{};
    if (GetBoundsRect(zoomed.picture, &touched, DCB_RESET) != DCB_SET) touched = RECT{};
    RestoreDC(zoomed.picture, -1);
    return touched;
}

PAINTSTRUCT& paintOf(PaintState& state) {
    return *std::launder(reinterpret_cast<PAINTSTRUCT*>(state.opaque));
}
}  // namespace

Dc getDc(Window window) {
    if (ZoomedWindow* zoomed = zoomedWindow(toHwnd(window))) return fromHdc(openPicture(*zoomed));
    return fromHdc(GetDC(toHwnd(window)));
}

void releaseDc(Window window, Dc dc) {
    ZoomedWindow* zoomed = zoomedWindow(toHwnd(window));
    if (!zoomed || toHdc(dc) != zoomed->picture) {
        ReleaseDC(toHwnd(window), toHdc(dc));
        return;
    }
    RECT touched = closePicture(*zoomed);
    HDC windowDc = GetDC(toHwnd(window));
    showZoomed(*zoomed, windowDc, touched);
    ReleaseDC(toHwnd(window), windowDc);
}

bool hasUpdateRegion(Window window) { return GetUpdateRect(toHwnd(window), nullptr, FALSE) != 0; }

Dc beginPaint(Window window, PaintState& state) {
    auto* paint = new (state.opaque) PAINTSTRUCT{};
    state.dc = fromHdc(BeginPaint(toHwnd(window), paint));
    if (ZoomedWindow* zoomed = zoomedWindow(toHwnd(window)); zoomed && state.dc)
        state.dc = fromHdc(openPicture(*zoomed));
    return state.dc;
}

// The paint drew the whole picture; the part the window asked for is shown.
void endPaint(Window window, PaintState& state) {
    PAINTSTRUCT& paint = paintOf(state);
    if (ZoomedWindow* zoomed = zoomedWindow(toHwnd(window)); zoomed && paint.hdc) {
        closePicture(*zoomed);
        int32_t z = zoomed->zoom;
        const RECT& asked = paint.rcPaint;
        showZoomed(*zoomed, paint.hdc,
                   {asked.left / z, asked.top / z, (asked.right + z - 1) / z,
                    (asked.bottom + z - 1) / z});
    }
    EndPaint(toHwnd(window), &paint);
}

void dispatchPendingMessages() {}

}  // namespace platform
