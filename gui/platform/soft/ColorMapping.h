// SPDX-License-Identifier: MIT
#pragma once
// How a colour becomes a pixel of a surface. Colour surfaces take it as it
// is; monochrome ones follow GDI (checked against Wine): pixels go to the
// nearer of black and white; pens and text are white or black when exactly
// so, the background's pixel when they match the background colour, and the
// other pixel otherwise; brushes are dithered (BrushPaint).

#include "gui/platform/platform.h"
#include "gui/platform/soft/Surface.h"

namespace soft {

Pixel nearestPixel(const Surface& surface, platform::ColorRef color);

// A solid brush as a surface paints it. On a monochrome surface the colour's
// intensity (r 30%, g 59%, b 11%) sets how many of each 8 by 8 block of
// device pixels are white, in a fixed ordered pattern: pure white only is
// all white, pure black all black, and every other colour a mix.
class BrushPaint {
public:
    BrushPaint(const Surface& surface, platform::ColorRef color);
    explicit BrushPaint(Pixel everywhere) : solid(everywhere) {}  // for pen bands
    Pixel at(int32_t x, int32_t y) const {
        return whiteCount < 0 ? solid : Pixel(kOrder[y & 7][x & 7] < whiteCount);
    }
    // Covers x0 up to but not including x1 of row y, clipped to the surface.
    void fillSpan(Surface& surface, int32_t y, int32_t x0, int32_t x1) const;

private:
    static const uint8_t kOrder[8][8];
    Pixel solid = 0;
    int32_t whiteCount = -1;  // of 64; -1 when every pixel is `solid`
};
Pixel penPixel(const Surface& surface, platform::ColorRef color, platform::ColorRef bkColor);

}  // namespace soft
