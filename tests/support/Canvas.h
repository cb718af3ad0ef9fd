#pragma once
// A colour picture in memory to draw on and read back, standing in for a
// window in tests: a memory device context compatible with the screen.

#include <cstdint>
#include <memory>

#include "gui/DrawContext.h"
#include "gui/platform/platform.h"

class Canvas {
public:
    Canvas(int32_t width, int32_t height, Color fill = kBlack);
    ~Canvas();

    platform::Dc dc() const { return memoryDc; }
    // A fresh context on the canvas, as the frame makes one per paint.
    std::unique_ptr<DrawContext> context(ViewFrame* frame = nullptr);
    uint32_t pixel(int32_t x, int32_t y) const;  // 0xRRGGBB
    void fill(Color color);
    // Pixels of the rectangle (right and bottom excluded) that are not `color`.
    int32_t countOther(int32_t left, int32_t top, int32_t right, int32_t bottom,
                       uint32_t color) const;
    int32_t width() const { return canvasWidth; }
    int32_t height() const { return canvasHeight; }

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

private:
    int32_t canvasWidth, canvasHeight;
    platform::Dc memoryDc;
    platform::Object bitmap;
    platform::Object previous;
};

constexpr uint32_t rgbOf(Color c) { return uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue; }
