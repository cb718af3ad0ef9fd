// SPDX-License-Identifier: MIT
#pragma once
// The drawing objects behind platform::Object handles. An object selected
// into a device context outlives deleteObject until it is deselected, as in
// GDI; stock objects are never deleted.

#include <array>
#include <cstdint>

#include "gui/platform/platform.h"
#include "gui/platform/soft/Surface.h"

namespace platform {
struct ObjectTag {
    ObjectKind kind = ObjectKind::pen;
    bool stock = false;
    bool deletePending = false;
    int32_t selections = 0;  // device contexts that have it selected
};
}  // namespace platform

namespace soft {

class SizedFont;

struct Pen : platform::ObjectTag {
    int32_t style = platform::penSolid;
    int32_t width = 1;
    platform::ColorRef color = 0;
};

struct Brush : platform::ObjectTag {
    platform::ColorRef color = 0;
};

struct Font : platform::ObjectTag {
    int32_t height = 0;
    int32_t weight = 400;
    std::array<char, 32> face{};  // GDI's face names are at most 31 characters
    SizedFont* sized = nullptr;   // found on first use
};

struct BitmapObject : platform::ObjectTag {
    Surface surface;
};

// The object as that kind, or null when it is another kind.
Brush* asBrush(platform::Object object);
BitmapObject* asBitmap(platform::Object object);

// What a new device context has selected.
Pen& stockBlackPen();
Brush& stockWhiteBrush();
Font& stockSystemFont();
BitmapObject& stockMonoBitmap();  // 1 by 1, selected into every new memory DC

// A new bitmap object (all black), or null when the size is unreasonable.
BitmapObject* newBitmap(int32_t width, int32_t height, PixelFormat format);

// Selection bookkeeping; dropping the last selection of an object whose
// deletion was asked for frees it.
void noteSelected(platform::ObjectTag& object);
void noteDeselected(platform::ObjectTag& object);

}  // namespace soft
