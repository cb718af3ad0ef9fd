#include "gui/platform/soft/ColorMapping.h"

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

Pixel brushPixel(const Surface& surface, platform::ColorRef color) {
    if (!surface.isMono()) return toPixel(color);
    return (color & white) == white ? 1 : 0;
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
