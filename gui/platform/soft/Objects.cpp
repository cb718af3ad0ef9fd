// SPDX-License-Identifier: MIT
// Pens, brushes, fonts and bitmap objects: creation, stock objects, deletion
// (deferred while selected, as GDI does).

#include "gui/platform/soft/Objects.h"

#include <cstring>

#include "gui/platform/soft/ObjectPool.h"

namespace soft {

namespace {
template <typename T>
ObjectPool<T>& pool() {
    static ObjectPool<T> objects;
    return objects;
}

template <typename T>
T* make(platform::ObjectKind kind) {
    T* object = pool<T>().acquire();
    object->kind = kind;
    return object;
}

// A stock object: process-wide, never deleted.
template <typename T>
T makeStock(platform::ObjectKind kind) {
    T object;
    object.kind = kind;
    object.stock = true;
    return object;
}

void destroy(platform::ObjectTag& object) {
    switch (object.kind) {
    case platform::ObjectKind::pen: pool<Pen>().release(static_cast<Pen*>(&object)); break;
    case platform::ObjectKind::brush: pool<Brush>().release(static_cast<Brush*>(&object)); break;
    case platform::ObjectKind::font: pool<Font>().release(static_cast<Font*>(&object)); break;
    case platform::ObjectKind::bitmap: {
        auto* bitmap = static_cast<BitmapObject*>(&object);
        bitmap->surface = Surface();  // its pixels go back to the pool now
        pool<BitmapObject>().release(bitmap);
        break;
    }
    }
}

template <typename T>
T* as(platform::Object object, platform::ObjectKind kind) {
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
}  // namespace

Brush* asBrush(platform::Object object) { return as<Brush>(object, platform::ObjectKind::brush); }
BitmapObject* asBitmap(platform::Object object) {
    return as<BitmapObject>(object, platform::ObjectKind::bitmap);
}

Pen& stockBlackPen() {
    static Pen pen = makeStock<Pen>(platform::ObjectKind::pen);
    return pen;
}

Brush& stockWhiteBrush() {
    static Brush brush = [] {
        Brush made = makeStock<Brush>(platform::ObjectKind::brush);
        made.color = platform::rgb(255, 255, 255);
        return made;
    }();
    return brush;
}

// GDI's system font on Wine is a bold sans serif face with 16-pixel cells.
Font& stockSystemFont() {
    static Font font = [] {
        Font made = makeStock<Font>(platform::ObjectKind::font);
        made.height = 16;
        made.weight = 700;
        std::strncpy(made.face.data(), "Arial", made.face.size() - 1);
        return made;
    }();
    return font;
}

BitmapObject& stockMonoBitmap() {
    static BitmapObject bitmap = [] {
        BitmapObject made = makeStock<BitmapObject>(platform::ObjectKind::bitmap);
        made.surface = Surface(1, 1, PixelFormat::mono);
        return made;
    }();
    return bitmap;
}

BitmapObject* newBitmap(int32_t width, int32_t height, PixelFormat format) {
    constexpr int64_t maxPixels = int64_t(1) << 26;
    if (width <= 0 || height <= 0 || int64_t(width) * height > maxPixels) return nullptr;
    BitmapObject* bitmap = make<BitmapObject>(platform::ObjectKind::bitmap);
    bitmap->surface = Surface(width, height, format);
    return bitmap;
}

void noteSelected(platform::ObjectTag& object) { ++object.selections; }

void noteDeselected(platform::ObjectTag& object) {
    if (--object.selections == 0 && object.deletePending) destroy(object);
}

}  // namespace soft

namespace platform {

Object createPen(int32_t style, int32_t width, ColorRef color) {
    if (style == penNull) return nullPen();
    soft::Pen* pen = soft::make<soft::Pen>(ObjectKind::pen);
    pen->style = style == penDot ? penDot : penSolid;
    pen->width = width < 1 ? 1 : width;
    pen->color = color & 0xFFFFFF;
    return pen;
}

Object nullPen() {
    static soft::Pen none = [] {
        soft::Pen made = soft::makeStock<soft::Pen>(ObjectKind::pen);
        made.style = penNull;
        return made;
    }();
    return &none;
}

Object createSolidBrush(ColorRef color) {
    soft::Brush* brush = soft::make<soft::Brush>(ObjectKind::brush);
    brush->color = color & 0xFFFFFF;
    return brush;
}

Object createFont(const FontSpec& spec) {
    soft::Font* font = soft::make<soft::Font>(ObjectKind::font);
    font->height = spec.height;
    font->weight = spec.weight;
    if (spec.face) std::strncpy(font->face.data(), spec.face, font->face.size() - 1);
    return font;
}

bool deleteObject(Object object) {
    if (!object) return false;
    if (object->stock) return true;
    if (object->selections > 0) {
        object->deletePending = true;
        return true;
    }
    soft::destroy(*object);
    return true;
}

}  // namespace platform
