// SPDX-License-Identifier: MIT
#include "gui/platform/win32/ZoomedWindows.h"

#include <algorithm>
#include <map>

namespace platform::win32 {
namespace {
std::map<HWND, ZoomedWindow>& zoomedWindows() {
    static std::map<HWND, ZoomedWindow> windows;
    return windows;
}

void freePicture(ZoomedWindow& zoomed) {
    SelectObject(zoomed.picture, zoomed.firstBitmap);
    DeleteObject(zoomed.bitmap);
    DeleteDC(zoomed.picture);
}
}  // namespace

ZoomedWindow* zoomedWindow(HWND window) {
    auto found = zoomedWindows().find(window);
    return found == zoomedWindows().end() ? nullptr : &found->second;
}

bool setZoomedPicture(HWND window, int32_t zoom, int32_t width, int32_t height) {
    if (ZoomedWindow* old = zoomedWindow(window)) {
        freePicture(*old);
        zoomedWindows().erase(window);
    }
    if (zoom <= 1) return true;
    ZoomedWindow zoomed{zoom, width, height};
    HDC screen = GetDC(nullptr);
    zoomed.picture = CreateCompatibleDC(screen);
    zoomed.bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!zoomed.picture || !zoomed.bitmap) {
        if (zoomed.bitmap) DeleteObject(zoomed.bitmap);
        if (zoomed.picture) DeleteDC(zoomed.picture);
        return false;
    }
    zoomed.firstBitmap = SelectObject(zoomed.picture, zoomed.bitmap);
    SetBoundsRect(zoomed.picture, nullptr, DCB_ENABLE | DCB_RESET);
    zoomedWindows()[window] = zoomed;
    return true;
}

void showZoomed(const ZoomedWindow& zoomed, HDC dc, RECT area) {
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    area.right = std::min<LONG>(area.right, zoomed.width);
    area.bottom = std::min<LONG>(area.bottom, zoomed.height);
    if (area.right <= area.left || area.bottom <= area.top) return;
    int32_t z = zoomed.zoom, width = area.right - area.left, height = area.bottom - area.top;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, area.left * z, area.top * z, width * z, height * z, zoomed.picture, area.left,
               area.top, width, height, SRCCOPY);
}

}  // namespace platform::win32
