// SPDX-License-Identifier: MIT
#include "gui/platform/soft/ColorMapping.h"

#include <algorithm>

namespace soft {

namespace {
constexpr platform::ColorRef white = platform::rgb(255, 255, 255);

Pixel nearestMono(platform::ColorRef color) {
    int32_t toBlack = 0, toWhite = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int32_t channel = int32_t(color >> shift & 0xFF);
        toBlack += channel * channel;
        toWhite += (255 - channel) * (255 - channel);
    }
    return toWhite < toBlack ? 1 : 0;
}
}  // namespace

Pixel nearestPixel(const Surface& surface, platform::ColorRef color) {
    return surface.isMono() ? nearestMono(color) : toPixel(color);
}

// The order in which the pixels of a block turn white as the intensity
// grows, read off Wine's monochrome fills.
const uint8_t BrushPaint::kOrder[8][8] = {
    {63, 31, 55, 23, 61, 29, 53, 21}, {15, 47, 7, 39, 13, 45, 5, 37},
    {51, 19, 59, 27, 49, 17, 57, 25}, {3, 35, 11, 43, 1, 33, 9, 41},
    {60, 28, 52, 20, 62, 30, 54, 22}, {12, 44, 4, 36, 14, 46, 6, 38},
    {48, 16, 56, 24, 50, 18, 58, 26}, {0, 32, 8, 40, 2, 34, 10, 42}};

BrushPaint::BrushPaint(const Surface& surface, platform::ColorRef color) {
    if (!surface.isMono()) {
        solid = toPixel(color);
        return;
    }
    int32_t red = int32_t(color & 0xFF), green = int32_t(color >> 8 & 0xFF),
            blue = int32_t(color >> 16 & 0xFF);
    int32_t count = (red * 30 + green * 59 + blue * 11 + 200) / 400;
    if (count == 0 || count == 64)
        solid = count == 64 ? 1 : 0;
    else
        whiteCount = count;
}

void BrushPaint::fillSpan(Surface& surface, int32_t y, int32_t x0, int32_t x1) const {
    if (whiteCount < 0) {
        surface.fillSpan(y, x0, x1, solid);
        return;
    }
    if (y < 0 || y >= surface.height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface.width());
    Pixel* row = surface.row(y);
    for (int32_t x = x0; x < x1; ++x) row[x] = at(x, y);
}

Pixel penPixel(const Surface& surface, platform::ColorRef color, platform::ColorRef bkColor) {
    if (!surface.isMono()) return toPixel(color);
    color &= white;
    if (color == white) return 1;
    if (color == 0) return 0;
    Pixel background = nearestMono(bkColor);
    return color == (bkColor & white) ? background : background ^ 1;
}

}  // namespace soft
