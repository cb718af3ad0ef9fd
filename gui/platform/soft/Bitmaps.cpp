// SPDX-License-Identifier: MIT
// Bitmap objects: compatible (colour or monochrome, after the device
// context's selected bitmap, as GDI decides) and monochrome ones.

#include "gui/platform/soft/DeviceContext.h"

namespace platform {

// GDI answers an empty size with its stock 1 by 1 monochrome bitmap.
Object createCompatibleBitmap(Dc dc, int32_t width, int32_t height) {
    if (!dc) return nullptr;
    if (width <= 0 || height <= 0) return &soft::stockMonoBitmap();
    return soft::newBitmap(width, height, dc->surface->format());
}

Object createMonochromeBitmap(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return &soft::stockMonoBitmap();
    return soft::newBitmap(width, height, soft::PixelFormat::mono);
}

bool bitmapSize(Object bitmap, int32_t& width, int32_t& height) {
    soft::BitmapObject* object = soft::asBitmap(bitmap);
    if (!object) return false;
    width = object->surface.width();
    height = object->surface.height();
    return true;
}

}  // namespace platform
