// SPDX-License-Identifier: MIT
#pragma once
// Fonts at a pixel size, their glyphs one bit deep, as GDI's default quality
// draws most small sizes, so that inked pixels are exactly the text colour.
// Natively faces are found through fontconfig and rasterised by FreeType
// (FontLibrary.cpp); the browser's build carries the same glyphs as a table
// made by that code. Every glyph is kept once made, so steady drawing
// allocates nothing.

#include <array>
#include <cstdint>
#include <vector>

#include "gui/platform/soft/Objects.h"

namespace soft {

struct Glyph {
    int32_t left = 0, top = 0;  // of the bitmap, from the pen position on the baseline
    int32_t width = 0, height = 0;
    int32_t advance = 0;
    size_t offset = 0;  // of its coverage in the font's store, one byte a pixel
    bool loaded = false;
};

// One face at one pixel size, with GDI's cell metrics.
class SizedFont {
public:
    SizedFont() = default;
    virtual ~SizedFont() = default;
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;

    int32_t ascent() const { return ascender; }
    int32_t cellHeight() const { return ascender + descender; }
    // The glyph of a character of the ANSI text, made on first use.
    const Glyph& glyph(unsigned char code) {
        Glyph& found = glyphs[code];
        if (!found.loaded) {
            found.loaded = true;
            make(code, found);
        }
        return found;
    }
    // Row-major coverage of a glyph: 1 where it is inked.
    const uint8_t* coverage(const Glyph& glyph) const { return store.data() + glyph.offset; }

protected:
    // Sets the glyph's metrics and appends its coverage to the store.
    virtual void make(unsigned char code, Glyph& glyph) = 0;

    int32_t ascender = 0, descender = 0;
    std::vector<uint8_t> store;

private:
    std::array<Glyph, 256> glyphs{};
};

// Loads fontconfig's configuration, which takes some milliseconds, unless
// that has been done already.
void loadFontLibrary();

// The face and size a font object stands for; null when none can be loaded.
SizedFont* sizedFontFor(Font& font);

}  // namespace soft
