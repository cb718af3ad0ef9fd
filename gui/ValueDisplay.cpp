// SPDX-License-Identifier: MIT
#include "gui/ValueDisplay.h"

#include <cstdio>

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"

ValueDisplay::ValueDisplay(const Rect& size, Bitmap* background, int32_t style)
    : Control(size, nullptr, 0), style(style), background(background) {
    if (background) background->retain();
}

ValueDisplay::~ValueDisplay() {
    if (background) background->release();
}

void ValueDisplay::forceRepaint() { drawnValue = float(value) + 0.1f; }

void ValueDisplay::setColor(Color& field, Color color) {
    if (!field.sameRgb(color)) forceRepaint();
    field = color;
}

void ValueDisplay::setDisplayFont(int32_t newFontId) {
    if (newFontId != fontId) forceRepaint();
    fontId = newFontId;
}

void ValueDisplay::setDisplayInk(Color color) { setColor(ink, color); }
void ValueDisplay::setDisplayFill(Color color) { setColor(fill, color); }
void ValueDisplay::setDisplayEdge(Color color) { setColor(edge, color); }
void ValueDisplay::setDisplayShadow(Color color) { setColor(shadow, color); }

void ValueDisplay::setDisplayAlignment(int32_t newAlignment) {
    if (newAlignment != alignment) forceRepaint();
    alignment = newAlignment;
}

void ValueDisplay::setBackgroundOffset(Point offset) { backgroundOffset = offset; }
void ValueDisplay::setFormatter(Formatter function) { formatter = function; }

void ValueDisplay::paint(DrawContext* context) {
    char text[256];
    text[0] = 0;
    float shown = value;
    if (formatter)
        formatter(shown, text);
    else
        std::snprintf(text, sizeof text, "%2.2f", double(shown));
    text[sizeof text - 1] = 0;  // a formatter that overran its text still ends here
    paintText(context, text, nullptr);
}

void ValueDisplay::paintText(DrawContext* context, const char* text, Bitmap* extraBitmap) {
    if (Bitmap* picture = extraBitmap ? extraBitmap : background) {
        picture->blit(context, size, backgroundOffset);
    } else {
        context->setBrushColor(fill);
        context->fillRectInner(size);
        if (!(style & (kEdgesFillFirst | kEdgesEdgeFirst))) {
            context->setPenColor(edge);
            context->outlineRect(size);
        }
    }
    if (style & (kEdgesFillFirst | kEdgesEdgeFirst)) {
        Color first = (style & kEdgesFillFirst) ? fill : edge;
        Color second = (style & kEdgesFillFirst) ? edge : fill;
        context->setPenColor(first);
        context->penMoveTo({size.left, size.bottom});
        context->penLineTo({size.left, size.top});
        context->penLineTo({size.right + 1, size.top});
        context->setPenColor(second);
        context->penMoveTo({size.right, size.top + 1});
        context->penLineTo({size.right, size.bottom});
        context->penLineTo({size.left, size.bottom});
    }
    context->selectFont(fontId, 0);
    if (style & kShadowText) {
        context->setInkColor(shadow);
        Rect shadowRect = size;
        shadowRect.offsetBy(1, 1);
        context->printText(text, shadowRect, 0, alignment);
    }
    context->setInkColor(ink);
    context->printText(text, size, 0, alignment);
    drawnValue = float(value);
}
