// SPDX-License-Identifier: MIT
#include "tests/support/Canvas.h"

#include <algorithm>

using namespace platform;

Canvas::Canvas(int32_t width, int32_t height, ColorRef color, Depth depth)
    : canvasWidth(width), canvasHeight(height) {
    Dc screen = getDc(nullptr);
    memoryDc = createCompatibleDc(screen);
    canvasBitmap = depth == Depth::colour ? createCompatibleBitmap(screen, width, height)
                                          : createMonochromeBitmap(width, height);
    releaseDc(nullptr, screen);
    previous = selectObject(memoryDc, canvasBitmap);
    fill(color);
}

Canvas::~Canvas() {
    selectObject(memoryDc, previous);
    deleteDc(memoryDc);
    deleteObject(canvasBitmap);
}

std::unique_ptr<DrawContext> Canvas::context(ViewFrame* frame) {
    return std::make_unique<DrawContext>(frame, memoryDc, nullptr);
}

void Canvas::fill(ColorRef color) {
    Object brush = createSolidBrush(color);
    fillRect(memoryDc, Box{0, 0, canvasWidth, canvasHeight}, brush);
    deleteObject(brush);
}

ColorRef Canvas::pixel(int32_t x, int32_t y) const { return getPixel(memoryDc, x, y); }

int32_t Canvas::countOther(int32_t left, int32_t top, int32_t right, int32_t bottom,
                           ColorRef color) const {
    int32_t count = 0;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            if (pixel(x, y) != color) ++count;
    return count;
}

int32_t Canvas::count(ColorRef color) const {
    return canvasWidth * canvasHeight - countOther(0, 0, canvasWidth, canvasHeight, color);
}

Box Canvas::inkBounds(ColorRef background) const {
    Box box{canvasWidth, canvasHeight, 0, 0};
    for (int32_t y = 0; y < canvasHeight; ++y)
        for (int32_t x = 0; x < canvasWidth; ++x)
            if (pixel(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box.right > 0 ? box : Box{0, 0, 0, 0};
}

std::string Canvas::row(int32_t y) const {
    std::string line;
    for (int32_t x = 0; x < canvasWidth; ++x) {
        switch (pixel(x, y)) {
        case colorref::white: line += '.'; break;
        case colorref::black: line += '#'; break;
        case colorref::red: line += 'R'; break;
        case colorref::green: line += 'G'; break;
        case colorref::blue: line += 'B'; break;
        default: line += '?';
        }
    }
    return line;
}

std::string Canvas::picture() const {
    std::string all;
    for (int32_t y = 0; y < canvasHeight; ++y) all += row(y) + "\n";
    return all;
}
