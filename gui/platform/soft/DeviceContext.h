// SPDX-License-Identifier: MIT
#pragma once
// The device context behind platform::Dc: a target surface and GDI's drawing
// state. Memory DCs draw into their selected bitmap; the screen's and the
// windows' DCs draw straight into a surface of their own.

#include <cstdint>

#include "gui/platform/platform.h"
#include "gui/platform/soft/Objects.h"
#include "gui/platform/soft/Surface.h"

namespace platform {
struct DcTag {
    soft::Surface* surface = nullptr;      // where drawing goes
    soft::BitmapObject* bitmap = nullptr;  // memory DCs: the selected bitmap
    soft::Pen* pen = nullptr;
    soft::Brush* brush = nullptr;
    soft::Font* font = nullptr;
    ColorRef bkColor = rgb(255, 255, 255);
    ColorRef textColor = rgb(0, 0, 0);
    int32_t bkMode = bkOpaque;
    int32_t mapMode = 1;  // MM_TEXT
    Pt position{0, 0};
    Box drawn{0, 0, 0, 0};  // what drawing touched since the DC was made (may stick out)
};
}  // namespace platform

namespace soft {

using DeviceContext = platform::DcTag;

// A device context that draws into `surface` (a window's, say); the surface
// must outlive it. Free it with releaseSurfaceDc.
platform::Dc makeSurfaceDc(Surface& surface);
void releaseSurfaceDc(platform::Dc dc);

// Widens what the device context has drawn by a box that holds what one
// drawing call may have touched, so that a window shows only that again.
void noteDrawn(DeviceContext& dc, const platform::Box& box);

// What a device context draws into, for presenting it; null for a null dc.
Surface* dcSurface(platform::Dc dc);

// The process's screen: 1024 by 768, 32-bit colour.
Surface& screenSurface();

}  // namespace soft
