// SPDX-License-Identifier: MIT
#include "gui/DrawContext.h"

#include <cstring>

namespace {
struct FontEntry {
    const char* face;
    int32_t size;
};

// Face and default pixel size of each font id; id 0 is bold, id 6 decorative.
constexpr FontEntry kFonts[] = {
    {"Arial", 12}, {"Arial", 18}, {"Arial", 14}, {"Arial", 12},
    {"Arial", 11}, {"Small Fonts", 9}, {"Symbol", 13},
};
constexpr int32_t kFontCount = int32_t(sizeof kFonts / sizeof kFonts[0]);
}  // namespace

DrawContext::DrawContext(ViewFrame* frame, platform::Dc deviceContext, platform::Window window)
    : dc(deviceContext), windowHandle(window), ownerFrame(frame) {
    if (!dc) return;
    savedBrush = platform::currentObject(dc, platform::ObjectKind::brush);
    savedPen = platform::currentObject(dc, platform::ObjectKind::pen);
    savedFont = platform::currentObject(dc, platform::ObjectKind::font);
    platform::setBkMode(dc, platform::bkTransparent);
    setPenColor(pen);
    setPenStyle(penStyle);
    setBrushColor(brush);
    setInkColor(ink);
}

DrawContext::~DrawContext() {
    if (dc) {
        if (savedBrush) platform::selectObject(dc, savedBrush);
        if (savedPen) platform::selectObject(dc, savedPen);
        if (savedFont) platform::selectObject(dc, savedFont);
    }
    if (createdBrush) platform::deleteObject(createdBrush);
    if (createdPen) platform::deleteObject(createdPen);
    if (createdFont) platform::deleteObject(createdFont);
}

void DrawContext::rebuildPen() {
    platform::Object newPen = platform::createPen(platformPenStyle, penWidth, pen.toColorRef());
    platform::selectObject(dc, newPen);
    if (createdPen) platform::deleteObject(createdPen);
    createdPen = newPen;
}

void DrawContext::setPenColor(Color color) {
    pen = color;
    rebuildPen();
}

void DrawContext::setPenWidth(int32_t width) {
    penWidth = width;
    rebuildPen();
}

void DrawContext::setPenStyle(int32_t style) {
    penStyle = style;
    platformPenStyle = style == 1 ? platform::penDot : platform::penSolid;
    rebuildPen();
}

void DrawContext::setBrushColor(Color color) {
    brush = color;
    platform::setBkColor(dc, color.toColorRef());
    platform::Object newBrush = platform::createSolidBrush(color.toColorRef());
    if (!newBrush) return;
    platform::selectObject(dc, newBrush);
    if (createdBrush) platform::deleteObject(createdBrush);
    createdBrush = newBrush;
}

void DrawContext::setInkColor(Color color) {
    ink = color;
    platform::setTextColor(dc, color.toColorRef());
}

void DrawContext::selectFont(int32_t fontId, int32_t size) {
    if (fontId < 0 || fontId >= kFontCount) fontId = 0;
    fontPixels = size != 0 ? size : kFonts[fontId].size;
    platform::FontSpec spec{-fontPixels, fontId == 0 ? 700 : 400,
                            uint8_t(fontId == 6 ? 0x50 : 0x22), kFonts[fontId].face};
    platform::Object font = platform::createFont(spec);
    platform::selectObject(dc, font);
    if (createdFont) platform::deleteObject(createdFont);
    createdFont = font;
}

template <typename Fill>
void DrawContext::withNullPen(Fill fill) {
    platform::Object previous = platform::selectObject(dc, platform::nullPen());
    fill();
    platform::selectObject(dc, previous);
}

void DrawContext::penMoveTo(Point point) { platform::moveTo(dc, point.h, point.v); }
void DrawContext::penLineTo(Point point) { platform::lineTo(dc, point.h, point.v); }

void DrawContext::strokePolyline(const Point* points, int32_t count) {
    static_assert(sizeof(Point) == sizeof(platform::Pt));
    platform::polyline(dc, reinterpret_cast<const platform::Pt*>(points), count);
}

void DrawContext::fillPoly(const Point* points, int32_t count) {
    withNullPen([&] { platform::polygon(dc, reinterpret_cast<const platform::Pt*>(points), count); });
}

void DrawContext::outlineRect(const Rect& rect) {
    penMoveTo({rect.left, rect.top});
    penLineTo({rect.right, rect.top});
    penLineTo({rect.right, rect.bottom});
    penLineTo({rect.left, rect.bottom});
    penLineTo({rect.left, rect.top});
}

void DrawContext::fillRectInner(const Rect& rect) {
    platform::Box box{rect.left + 1, rect.top + 1, rect.right, rect.bottom};
    withNullPen([&] { platform::fillRect(dc, box, createdBrush); });
}

void DrawContext::outlineEllipse(const Rect& rect) {
    Point start{rect.left + rect.width() / 2, rect.top};
    outlineArc(rect, start, start);
}

void DrawContext::fillEllipseInner(const Rect& rect) {
    withNullPen([&] { platform::ellipse(dc, rect.left + 1, rect.top + 1, rect.right, rect.bottom); });
}

void DrawContext::outlineArc(const Rect& rect, Point from, Point to) {
    platform::arc(dc, rect.left, rect.top, rect.right + 1, rect.bottom + 1, from.h, from.v, to.h,
                  to.v);
}

void DrawContext::fillPieInner(const Rect& rect, Point from, Point to) {
    withNullPen([&] {
        platform::pie(dc, rect.left + 1, rect.top + 1, rect.right, rect.bottom, from.h, from.v,
                      to.h, to.v);
    });
}

void DrawContext::plotPixel(Point point, Color color) {
    platform::setPixel(dc, point.h, point.v, color.toColorRef());
}

void DrawContext::printText(const char* text, const Rect& rect, int16_t opaque,
                            int32_t alignment) {
    if (!text) return;
    platform::setBkMode(dc, opaque ? platform::bkOpaque : platform::bkTransparent);
    uint32_t format = platform::dtSingleLine | platform::dtVCenter;
    platform::Box box{rect.left, rect.top, rect.right, rect.bottom};
    if (alignment == 1) {
        format |= platform::dtCenter;
    } else if (alignment == 2) {
        format |= platform::dtRight;
    } else {
        box.left += 1;
    }
    platform::drawText(dc, text, int32_t(std::strlen(text)), box, format);
    platform::setBkMode(dc, platform::bkTransparent);
}

int32_t DrawContext::pollMouseButtons() {
    constexpr struct {
        int32_t key, bit;
    } kKeys[] = {{platform::vkLeftButton, 1},  {platform::vkMiddleButton, 2},
                 {platform::vkRightButton, 4}, {platform::vkShift, 8},
                 {platform::vkControl, 16},    {platform::vkAlt, 32}};
    int32_t buttons = 0;
    for (const auto& key : kKeys)
        if (platform::isKeyDown(key.key)) buttons |= key.bit;
    return buttons;
}

void DrawContext::pollMouseLocation(Point& out) {
    platform::Pt where = platform::screenToWindow(windowHandle, platform::cursorPosition());
    out = {where.x, where.y};
}
