// SPDX-License-Identifier: MIT
// Device contexts: memory DCs, the screen DC, selection of objects and the
// state that drawing reads (colours, modes, map mode).

#include "gui/platform/soft/DeviceContext.h"

#include "gui/platform/soft/Bounds.h"
#include "gui/platform/soft/ObjectPool.h"
#include "gui/platform/soft/WindowDc.h"

namespace soft {

namespace {
ObjectPool<DeviceContext>& dcPool() {
    static ObjectPool<DeviceContext> pool;
    return pool;
}

// GDI's defaults: black pen, white brush, system font; colours and modes come
// from DeviceContext's initialisers.
DeviceContext* newDc(Surface* surface) {
    DeviceContext* dc = dcPool().acquire();
    dc->surface = surface;
    dc->pen = &stockBlackPen();
    dc->brush = &stockWhiteBrush();
    dc->font = &stockSystemFont();
    noteSelected(*dc->pen);
    noteSelected(*dc->brush);
    noteSelected(*dc->font);
    return dc;
}

void freeDc(DeviceContext* dc) {
    noteDeselected(*dc->pen);
    noteDeselected(*dc->brush);
    noteDeselected(*dc->font);
    if (dc->bitmap) noteDeselected(*dc->bitmap);
    dcPool().release(dc);
}

template <typename T>
platform::Object swapSelection(T*& slot, T* object) {
    T* previous = slot;
    noteSelected(*object);
    slot = object;
    noteDeselected(*previous);
    return previous;
}
}  // namespace

platform::Dc makeSurfaceDc(Surface& surface) { return newDc(&surface); }

void releaseSurfaceDc(platform::Dc dc) {
    if (dc) freeDc(dc);
}

void noteDrawn(DeviceContext& dc, const platform::Box& box) { dc.drawn = unite(dc.drawn, box); }

Surface* dcSurface(platform::Dc dc) { return dc ? dc->surface : nullptr; }

Surface& screenSurface() {
    static Surface screen(1024, 768, PixelFormat::colour);
    return screen;
}

}  // namespace soft

namespace platform {

Dc createCompatibleDc(Dc) {
    soft::BitmapObject& initial = soft::stockMonoBitmap();
    Dc dc = soft::newDc(&initial.surface);
    dc->bitmap = &initial;
    soft::noteSelected(initial);
    return dc;
}

bool deleteDc(Dc dc) {
    if (!dc || !dc->bitmap) return false;  // only memory DCs are deleted
    soft::freeDc(dc);
    return true;
}

Dc getDc(Window window) {
    if (window) return soft::windowDc(window);
    return soft::makeSurfaceDc(soft::screenSurface());
}

void releaseDc(Window window, Dc dc) {
    if (window) {
        soft::releaseWindowDc(window, dc);
    } else if (dc && !dc->bitmap) {
        soft::releaseSurfaceDc(dc);
    }
}

Object selectObject(Dc dc, Object object) {
    if (!dc || !object) return nullptr;
    switch (object->kind) {
    case ObjectKind::pen: return soft::swapSelection(dc->pen, static_cast<soft::Pen*>(object));
    case ObjectKind::brush:
        return soft::swapSelection(dc->brush, static_cast<soft::Brush*>(object));
    case ObjectKind::font: return soft::swapSelection(dc->font, static_cast<soft::Font*>(object));
    case ObjectKind::bitmap: {
        auto* bitmap = static_cast<soft::BitmapObject*>(object);
        // Only memory DCs take bitmaps, and a bitmap sits in one DC at a time.
        if (!dc->bitmap) return nullptr;
        if (bitmap == dc->bitmap) return bitmap;
        if (!bitmap->stock && bitmap->selections > 0) return nullptr;
        dc->surface = &bitmap->surface;
        return soft::swapSelection(dc->bitmap, bitmap);
    }
    }
    return nullptr;
}

Object currentObject(Dc dc, ObjectKind kind) {
    if (!dc) return nullptr;
    switch (kind) {
    case ObjectKind::pen: return dc->pen;
    case ObjectKind::brush: return dc->brush;
    case ObjectKind::font: return dc->font;
    case ObjectKind::bitmap: return dc->bitmap;
    }
    return nullptr;
}

ColorRef setBkColor(Dc dc, ColorRef color) {
    if (!dc) return 0xFFFFFFFF;
    ColorRef previous = dc->bkColor;
    dc->bkColor = color & 0xFFFFFF;
    return previous;
}

ColorRef getBkColor(Dc dc) { return dc ? dc->bkColor : 0xFFFFFFFF; }

ColorRef setTextColor(Dc dc, ColorRef color) {
    if (!dc) return 0xFFFFFFFF;
    ColorRef previous = dc->textColor;
    dc->textColor = color & 0xFFFFFF;
    return previous;
}

int32_t setBkMode(Dc dc, int32_t mode) {
    if (!dc || (mode != bkTransparent && mode != bkOpaque)) return 0;
    int32_t previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int32_t getMapMode(Dc dc) { return dc ? dc->mapMode : 0; }

int32_t setMapMode(Dc dc, int32_t mode) {
    if (!dc || mode < 1 || mode > 8) return 0;
    int32_t previous = dc->mapMode;
    dc->mapMode = mode;
    return previous;
}

// Only MM_TEXT is drawn with, and there device and logical units are the same.
void dpToLp(Dc, Pt*, int32_t) {}

}  // namespace platform
