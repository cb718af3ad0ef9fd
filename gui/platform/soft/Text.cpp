// SPDX-License-Identifier: MIT
// DrawText for single lines: left, centred or right, optionally centred
// vertically, clipped to the box as DrawText does without DT_NOCLIP. In
// opaque background mode the text's cells are filled with the background
// colour first.

#include <algorithm>
#include <cstring>

#include "gui/platform/soft/ColorMapping.h"
#include "gui/platform/soft/DeviceContext.h"
#include "gui/platform/soft/FontLibrary.h"

namespace platform {

void drawText(Dc dc, const char* text, int32_t length, Box& box, uint32_t format) {
    if (!dc || !text) return;
    if (length < 0) length = int32_t(std::strlen(text));
    soft::SizedFont* font = soft::sizedFontFor(*dc->font);
    if (!font) return;
    const auto* characters = reinterpret_cast<const unsigned char*>(text);

    int32_t extent = 0;
    for (int32_t i = 0; i < length; ++i) extent += font->glyph(characters[i]).advance;
    int32_t x = box.left;
    if (format & dtCenter) {
        x = box.left + (box.right - box.left - extent) / 2;
    } else if (format & dtRight) {
        x = box.right - extent;
    }
    int32_t top = box.top;
    if ((format & dtSingleLine) && (format & dtVCenter))
        top = box.top + (box.bottom - box.top - font->cellHeight()) / 2;

    soft::Surface& surface = *dc->surface;
    soft::noteDrawn(*dc, box);
    int32_t clipLeft = std::max(box.left, 0), clipRight = std::min(box.right, surface.width());
    int32_t clipTop = std::max(box.top, 0), clipBottom = std::min(box.bottom, surface.height());
    if (dc->bkMode == bkOpaque) {
        soft::Pixel background = soft::penPixel(surface, dc->bkColor, dc->bkColor);
        int32_t left = std::max(x, clipLeft), right = std::min(x + extent, clipRight);
        int32_t bottom = std::min(top + font->cellHeight(), clipBottom);
        for (int32_t y = std::max(top, clipTop); y < bottom; ++y)
            surface.fillSpan(y, left, right, background);
    }

    soft::Pixel ink = soft::penPixel(surface, dc->textColor, dc->bkColor);
    int32_t baseline = top + font->ascent();
    for (int32_t i = 0; i < length; ++i) {
        const soft::Glyph& glyph = font->glyph(characters[i]);
        const uint8_t* coverage = font->coverage(glyph);
        int32_t left = x + glyph.left, glyphTop = baseline - glyph.top;
        int32_t y0 = std::max(glyphTop, clipTop), y1 = std::min(glyphTop + glyph.height, clipBottom);
        int32_t x0 = std::max(left, clipLeft), x1 = std::min(left + glyph.width, clipRight);
        for (int32_t y = y0; y < y1; ++y) {
            const uint8_t* bits = coverage + size_t(y - glyphTop) * size_t(glyph.width);
            soft::Pixel* out = surface.row(y);
            for (int32_t px = x0; px < x1; ++px)
                if (bits[px - left]) out[px] = ink;
        }
        x += glyph.advance;
    }
}

}  // namespace platform
