// SPDX-License-Identifier: MIT
#include "gui/platform/soft/FontLibrary.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace soft {
namespace {
class FreeTypeFont final : public SizedFont {
public:
    FreeTypeFont(FT_Face face, int32_t pixelsPerEm);
    ~FreeTypeFont() override;

private:
    void make(unsigned char code, Glyph& glyph) override;

    FT_Face face;
    FT_Size size = nullptr;
};

FreeTypeFont::FreeTypeFont(FT_Face face, int32_t pixelsPerEm) : face(face) {
    if (FT_New_Size(face, &size) != 0) return;
    FT_Activate_Size(size);
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelsPerEm));
    // GDI's cell: the Windows ascent and descent, each rounded to pixels.
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0 && face->units_per_EM > 0) {
        double scale = double(pixelsPerEm) / face->units_per_EM;
        ascender = int32_t(std::lround(os2->usWinAscent * scale));
        descender = int32_t(std::lround(os2->usWinDescent * scale));
    } else {
        ascender = int32_t(size->metrics.ascender >> 6);
        descender = int32_t(-size->metrics.descender >> 6);
    }
}

FreeTypeFont::~FreeTypeFont() {
    if (size) FT_Done_Size(size);
}

void FreeTypeFont::make(unsigned char code, Glyph& glyph) {
    if (!size) return;
    FT_Activate_Size(size);
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return;
    FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = int32_t((slot->advance.x + 32) >> 6);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return;
    glyph.width = int32_t(bitmap.width);
    glyph.height = int32_t(bitmap.rows);
    glyph.offset = store.size();
    for (int32_t y = 0; y < glyph.height; ++y) {
        const unsigned char* bits = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
        for (int32_t x = 0; x < glyph.width; ++x) store.push_back(bits[x / 8] >> (7 - x % 8) & 1);
    }
}

class FontLibrary {
public:
    // A configuration of our own, so that a host using fontconfig itself
    // keeps its state when the module goes.
    FontLibrary() : config(FcInitLoadConfigAndFonts()) {
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
    }
    ~FontLibrary() {
        sized.clear();
        for (auto& [file, face] : faces) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
        if (config) FcConfigDestroy(config);
    }

    SizedFont* find(const Font& font) {
        FT_Face face = match(font);
        if (!face) return nullptr;
        auto& entry = sized[{face, pixelsPerEm(face, font.height)}];
        if (!entry) entry = std::make_unique<FreeTypeFont>(face, pixelsPerEm(face, font.height));
        return entry.get();
    }

private:
    // A negative height asks for that character height (the em), a positive
    // one for that cell height, as in GDI; 0 for GDI's default.
    static int32_t pixelsPerEm(FT_Face face, int32_t height) {
        if (height == 0) height = -12;
        if (height < 0) return std::max(-height, 1);
        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        int32_t cellUnits = os2 ? os2->usWinAscent + os2->usWinDescent : 0;
        if (cellUnits <= 0) cellUnits = face->height > 0 ? face->height : face->units_per_EM;
        return std::max(int32_t(std::lround(double(height) * face->units_per_EM / cellUnits)), 1);
    }

    FT_Face match(const Font& font) {
        auto key = std::make_tuple(std::string(font.face.data()), font.weight);
        auto found = matches.find(key);
        if (found != matches.end()) return found->second;
        FT_Face face = library && config ? load(font) : nullptr;
        matches.emplace(std::move(key), face);
        return face;
    }

    FT_Face load(const Font& font) {
        FcPattern* pattern = FcPatternCreate();
        const char* family = font.face[0] ? font.face.data() : "sans-serif";
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(font.weight > 0 ? font.weight : 400));
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern* matched = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        if (!matched) return nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        FT_Face face = nullptr;
        if (FcPatternGetString(matched, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(matched, FC_INDEX, 0, &index);
            face = open(reinterpret_cast<const char*>(file), index);
        }
        FcPatternDestroy(matched);
        return face;
    }

    FT_Face open(const std::string& file, int index) {
        auto key = std::make_pair(file, index);
        auto found = faces.find(key);
        if (found != faces.end()) return found->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library, file.c_str(), index, &face) != 0) return nullptr;
        faces.emplace(key, face);
        return face;
    }

    FcConfig* config;
    FT_Library library = nullptr;
    std::map<std::pair<std::string, int>, FT_Face> faces;
    std::map<std::tuple<std::string, int32_t>, FT_Face> matches;
    std::map<std::pair<FT_Face, int32_t>, std::unique_ptr<FreeTypeFont>> sized;
};
FontLibrary& fontLibrary() {
    static FontLibrary library;
    return library;
}
}  // namespace

void loadFontLibrary() { fontLibrary(); }

SizedFont* sizedFontFor(Font& font) {
    if (!font.sized) font.sized = fontLibrary().find(font);
    return font.sized;
}

}  // namespace soft
