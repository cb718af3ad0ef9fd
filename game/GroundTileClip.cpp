// SPDX-License-Identifier: MIT
#include "game/GroundTileClip.h"

#include "game/GameWorld.h"

// Only the part over the play area is copied, so a tile never spills into
// the margin; rows wholly above or below copy nothing.
std::optional<TileBlit> clipGroundTile(int32_t tx, int32_t ty) {
    if (ty >= kTileSize || ty < -kPlayHeight) return std::nullopt;
    const Rect& area = kPlayAreaOffscreen;
    int32_t left = tx >= 0 ? area.left : area.left - tx;
    int32_t right = tx >= 0 ? area.left + kTileSize - tx : area.right;
    int32_t top = ty >= 0 ? area.top : area.top - ty;
    int32_t bottom = ty >= 0 ? area.top + kTileSize - ty : area.bottom;
    Point source(tx >= 0 ? tx : 0, ty >= 0 ? ty : 0);
    return TileBlit{Rect(left, top, right, bottom), source};
}
