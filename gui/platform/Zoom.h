// SPDX-License-Identifier: MIT
#pragma once
// Positions in what a zoomed window shows, brought back to its own pixels,
// for the platforms' message and pointer code.

#include <cstdint>

#include "gui/platform/platform.h"

namespace platform {

// Rounds toward minus infinity, so a point just left of or above the
// window stays outside it.
constexpr int32_t unzoomed(int32_t shown, int32_t zoom) {
    return shown >= 0 ? shown / zoom : -((-shown + zoom - 1) / zoom);
}
constexpr Pt unzoomed(Pt shown, int32_t zoom) {
    return {unzoomed(shown.x, zoom), unzoomed(shown.y, zoom)};
}
// A press's position parameter: two unsigned 16-bit halves, x low.
constexpr intptr_t unzoomedPosition(intptr_t position, int32_t zoom) {
    auto packed = uint32_t(uintptr_t(position));
    return intptr_t((packed & 0xFFFF) / uint32_t(zoom) | (packed >> 16) / uint32_t(zoom) << 16);
}

}  // namespace platform
