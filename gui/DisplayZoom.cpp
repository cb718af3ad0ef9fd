// SPDX-License-Identifier: MIT
#include "gui/DisplayZoom.h"

#include <algorithm>
#include <cmath>

int32_t DisplayZoom::ofScale(double scale) {
    if (!std::isfinite(scale) || scale < 1.0) return 1;
    return int32_t(std::min(std::floor(scale + 0.5), double(platform::kMaxZoom)));
}

void DisplayZoom::setHostScale(double scale) {
    hostScale = std::isfinite(scale) && scale > 0.0 ? scale : 0.0;
}

// The screen is asked last, as reading it may mean a round trip to a display.
int32_t DisplayZoom::choose(platform::Window parent) const {
    if (hostScale > 0.0) return ofScale(hostScale);
    if (double user = platform::userScale(); user > 0.0) return ofScale(user);
    return ofScale(platform::screenScale(parent));
}
