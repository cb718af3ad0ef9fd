// SPDX-License-Identifier: MIT
#include "tests/support/PlatformText.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace platform;

PlatformText::PlatformText(Dc dc, const FontSpec& spec, Color ink)
    : dc(dc), font(createFont(spec)), previousFont(selectObject(dc, font)) {
    setTextColor(dc, ink.toColorRef());
    setBkMode(dc, bkTransparent);
}

PlatformText::~PlatformText() {
    setBkMode(dc, bkTransparent);
    selectObject(dc, previousFont);
    deleteObject(font);
}

void PlatformText::behind(Color color) {
    setBkColor(dc, color.toColorRef());
    setBkMode(dc, bkOpaque);
}

void PlatformText::draw(const char* text, Box box, uint32_t format) {
    drawText(dc, text, int32_t(std::strlen(text)), box, format);
}

void expectSamePixels(const Canvas& mine, const Canvas& reference) {
    ASSERT_EQ(mine.width(), reference.width());
    ASSERT_EQ(mine.height(), reference.height());
    int32_t differing = 0;
    for (int32_t y = 0; y < mine.height(); ++y)
        for (int32_t x = 0; x < mine.width(); ++x)
            if (mine.pixel(x, y) != reference.pixel(x, y) && differing++ == 0)
                ADD_FAILURE() << "first difference at " << x << "," << y << ": " << std::hex
                              << mine.pixel(x, y) << " instead of " << reference.pixel(x, y);
    EXPECT_EQ(differing, 0);
}
