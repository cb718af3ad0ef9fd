// SPDX-License-Identifier: MIT
#pragma once
// Where a ground tile lands in the off-screen image, cut to the play area.

#include <optional>

#include "gui/Geometry.h"

struct TileBlit {
    Rect dest;     // off-screen pixels, right and bottom excluded
    Point source;  // offset into the tile's picture
};

// tx = tile x + scroll, ty = tile y: the tile's corner is at off-screen
// (64 - tx, 64 - ty). Nothing when the tile lies wholly above or below.
std::optional<TileBlit> clipGroundTile(int32_t tx, int32_t ty);
