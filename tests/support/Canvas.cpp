#include "tests/support/Canvas.h"

using namespace platform;

Canvas::Canvas(int32_t width, int32_t height, Color color)
    : canvasWidth(width), canvasHeight(height) {
    Dc screen = getDc(nullptr);
    memoryDc = createCompatibleDc(screen);
    bitmap = createCompatibleBitmap(screen, width, height);
    releaseDc(nullptr, screen);
    previous = selectObject(memoryDc, bitmap);
    fill(color);
}

Canvas::~Canvas() {
    selectObject(memoryDc, previous);
    deleteDc(memoryDc);
    deleteObject(bitmap);
}

std::unique_ptr<DrawContext> Canvas::context(ViewFrame* frame) {
    return std::make_unique<DrawContext>(frame, memoryDc, nullptr);
}

void Canvas::fill(Color color) {
    Object brush = createSolidBrush(color.toColorRef());
    fillRect(memoryDc, Box{0, 0, canvasWidth, canvasHeight}, brush);
    deleteObject(brush);
}

uint32_t Canvas::pixel(int32_t x, int32_t y) const {
    ColorRef c = getPixel(memoryDc, x, y);
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

int32_t Canvas::countOther(int32_t left, int32_t top, int32_t right, int32_t bottom,
                           uint32_t color) const {
    int32_t count = 0;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            if (pixel(x, y) != color) ++count;
    return count;
}
