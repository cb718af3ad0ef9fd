// SPDX-License-Identifier: MIT
// Writes the glyph table of the browser's build (gui/platform/web/GlyphTable.inc):
// every font the toolkit selects, as the software platform's FreeType draws
// it here, so text in the browser is pixel for pixel the native text.
//   glyph_table OUT.inc
// The linux tests run it and compare with the committed table.

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#include "gui/DrawContext.h"
#include "gui/platform/soft/FontLibrary.h"
#include "gui/platform/soft/Objects.h"

namespace {
// The toolkit's font ids (DrawContext::selectFont); ids past the last fall
// back to the first, so one past it adds nothing.
constexpr int32_t kFontIds = 8;

void writeFace(std::ofstream& out, soft::Font& font, int32_t index) {
    soft::SizedFont* sized = soft::sizedFontFor(font);
    if (!sized) return;
    std::string bits;
    int32_t bitCount = 0;
    unsigned byte = 0;
    out << "constexpr BakedGlyph kGlyphs" << index << "[256] = {\n";
    for (int32_t code = 0; code < 256; ++code) {
        const soft::Glyph& glyph = sized->glyph(static_cast<unsigned char>(code));
        out << "    {" << glyph.left << ", " << glyph.top << ", " << glyph.width << ", "
            << glyph.height << ", " << glyph.advance << ", " << bitCount << "},\n";
        const uint8_t* coverage = sized->coverage(glyph);
        for (int32_t i = 0; i < glyph.width * glyph.height; ++i, ++bitCount) {
            byte = byte << 1 | coverage[i];
            if (bitCount % 8 == 7) {
                bits += std::to_string(byte) + ",";
                byte = 0;
            }
        }
    }
    if (bitCount % 8 != 0) bits += std::to_string(byte << (8 - bitCount % 8)) + ",";
    out << "};\nconstexpr uint8_t kBits" << index << "[] = {" << bits << "0};\n";
    out << "constexpr BakedFace kFace" << index << "{\"" << font.face.data() << "\", "
        << font.weight << ", " << font.height << ", " << sized->ascent() << ", "
        << sized->cellHeight() - sized->ascent() << ", kGlyphs" << index << ", kBits" << index
        << "};\n";
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyph_table OUT.inc\n");
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// SPDX-License-Identifier: MIT\n"
           "// Made by tools/glyph_table.cpp from the native FreeType rendering; do not edit.\n";
    platform::Dc dc = platform::createCompatibleDc(nullptr);
    std::set<std::tuple<std::string, int32_t, int32_t>> seen;
    std::string faces;
    int32_t index = 0;
    auto add = [&](soft::Font& font) {
        if (!seen.emplace(font.face.data(), font.weight, font.height).second) return;
        writeFace(out, font, index);
        faces += " &kFace" + std::to_string(index++) + ",";
    };
    add(soft::stockSystemFont());
    for (int32_t id = 0; id < kFontIds; ++id) {
        DrawContext context(nullptr, dc, nullptr);
        context.selectFont(id, 0);
        add(*static_cast<soft::Font*>(platform::currentObject(dc, platform::ObjectKind::font)));
    }
    platform::deleteDc(dc);
    out << "constexpr const BakedFace* kBakedFaces[] = {" << faces << "};\n";
    return out ? 0 : 1;
}
