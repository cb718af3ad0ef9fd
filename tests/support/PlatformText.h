// SPDX-License-Identifier: MIT
#pragma once
// Text drawn through the platform alone: the reference that the toolkit's
// text must match pixel for pixel. The platform decides the glyphs; a test
// decides only the string, the box, the font and the colours.

#include <cstdint>

#include "gui/Geometry.h"
#include "gui/platform/platform.h"
#include "tests/support/Canvas.h"

class PlatformText {
public:
    // Font id 3 of the toolkit's table: "Arial", 12 pixels, normal weight.
    static constexpr platform::FontSpec kArial12{-12, 400, 0x22, "Arial"};

    PlatformText(platform::Dc dc, const platform::FontSpec& font, Color ink);
    ~PlatformText();

    // Opaque text from now on, its cells filled with `color`.
    void behind(Color color);
    void draw(const char* text, platform::Box box, uint32_t format);

    PlatformText(const PlatformText&) = delete;
    PlatformText& operator=(const PlatformText&) = delete;

private:
    platform::Dc dc;
    platform::Object font;
    platform::Object previousFont;
};

// Every pixel of the two canvases the same; reports the first that differs.
void expectSamePixels(const Canvas& mine, const Canvas& reference);
