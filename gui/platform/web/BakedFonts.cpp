// SPDX-License-Identifier: MIT
// The browser's fonts: no FreeType and no font files there, so the glyphs
// come from a table the native build's own FreeType rendering made
// (tools/glyph_table.cpp, GlyphTable.inc), and text looks as it does
// natively, pixel for pixel. A font the toolkit never selects is not in it
// and draws nothing.

#include <array>
#include <cstring>
#include <memory>

#include "gui/platform/soft/FontLibrary.h"

namespace soft {
namespace {
struct BakedGlyph {
    int32_t left, top, width, height, advance;
    uint32_t firstBit;  // of its coverage, row by row, in the face's bits
};
struct BakedFace {
    const char* face;
    int32_t weight, height, ascent, descent;
    const BakedGlyph* glyphs;
    const uint8_t* bits;  // eight pixels a byte, the first in the top bit
};
#include "gui/platform/web/GlyphTable.inc"
constexpr size_t kFaceCount = sizeof kBakedFaces / sizeof kBakedFaces[0];

class BakedFont final : public SizedFont {
public:
    explicit BakedFont(const BakedFace& baked) : baked(baked) {
        ascender = baked.ascent;
        descender = baked.descent;
    }

private:
    void make(unsigned char code, Glyph& glyph) override {
        const BakedGlyph& from = baked.glyphs[code];
        glyph.left = from.left;
        glyph.top = from.top;
        glyph.width = from.width;
        glyph.height = from.height;
        glyph.advance = from.advance;
        glyph.offset = store.size();
        uint32_t count = uint32_t(from.width * from.height);
        for (uint32_t bit = from.firstBit; bit < from.firstBit + count; ++bit)
            store.push_back(baked.bits[bit / 8] >> (7 - bit % 8) & 1);
    }

    const BakedFace& baked;
};
}  // namespace

void loadFontLibrary() {}

SizedFont* sizedFontFor(Font& font) {
    static std::array<std::unique_ptr<BakedFont>, kFaceCount> made;
    if (font.sized) return font.sized;
    for (size_t i = 0; i < kFaceCount; ++i) {
        const BakedFace& baked = *kBakedFaces[i];
        if (baked.weight != font.weight || baked.height != font.height ||
            std::strcmp(baked.face, font.face.data()) != 0)
            continue;
        if (!made[i]) made[i] = std::make_unique<BakedFont>(baked);
        return font.sized = made[i].get();
    }
    return nullptr;
}

}  // namespace soft
