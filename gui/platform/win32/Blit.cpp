// SPDX-License-Identifier: MIT
// Colour and monochrome bitmaps and bit-block transfers.

#include "gui/platform/win32/Handles.h"

namespace platform {
using namespace win32;

Object createCompatibleBitmap(Dc dc, int32_t width, int32_t height) {
    return fromHandle(CreateCompatibleBitmap(toHdc(dc), width, height));
}

Object createMonochromeBitmap(int32_t width, int32_t height) {
    return fromHandle(CreateBitmap(width, height, 1, 1, nullptr));
}

bool bitmapSize(Object bitmap, int32_t& width, int32_t& height) {
    BITMAP info{};
    if (!GetObjectA(toHandle(bitmap), sizeof info, &info)) return false;
    width = info.bmWidth;
    height = info.bmHeight;
    return true;
}

bool bitBlt(Dc dest, int32_t x, int32_t y, int32_t width, int32_t height, Dc source,
            int32_t sourceX, int32_t sourceY, uint32_t rop) {
    return BitBlt(toHdc(dest), x, y, width, height, toHdc(source), sourceX, sourceY, rop) != 0;
}

}  // namespace platform
