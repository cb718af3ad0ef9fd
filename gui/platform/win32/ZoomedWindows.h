// SPDX-License-Identifier: MIT
#pragma once
// Windows shown at a zoom above 1. Such a window is drawn in a picture of its
// own size, a memory device context that counts what drawing touched; its
// device contexts are that picture, and releasing one stretches what was
// touched onto the window (COLORONCOLOR keeps every pixel a crisp block).

#include "gui/platform/win32/Handles.h"

namespace platform::win32 {

struct ZoomedWindow {
    int32_t zoom = 1;
    int32_t width = 0, height = 0;  // the picture's size
    HDC picture = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ firstBitmap = nullptr;
};

// Null for a window shown at zoom 1.
ZoomedWindow* zoomedWindow(HWND window);
// Gives the window a picture of `width` × `height` shown at `zoom`, or takes
// it away at zoom 1; false when the picture cannot be made.
bool setZoomedPicture(HWND window, int32_t zoom, int32_t width, int32_t height);
// Shows `area` of the picture (its own pixels) on `dc`, the window's.
void showZoomed(const ZoomedWindow& zoomed, HDC dc, RECT area);

}  // namespace platform::win32
