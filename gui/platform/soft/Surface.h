// SPDX-License-Identifier: MIT
#pragma once
// A rectangle of pixels that device contexts draw into: a bitmap's, a
// window's or the screen's. Colour surfaces hold 0x00RRGGBB per pixel,
// monochrome ones 0 or 1, so raster operations work on both alike.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/platform/platform.h"

namespace soft {

using Pixel = uint32_t;
enum class PixelFormat { colour, mono };

constexpr Pixel toPixel(platform::ColorRef color) {
    return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}
constexpr platform::ColorRef toColorRef(Pixel pixel) { return toPixel(pixel); }

class Surface {
public:
    Surface() = default;
    // Starts black (all zero), like a new GDI bitmap. Storage comes from a
    // pool, so surfaces made and dropped for every sprite allocate nothing
    // once warm.
    Surface(int32_t width, int32_t height, PixelFormat format);
    // A colour surface on pixels it does not own (a window's shared image),
    // rows `width` pixels apart, its content left as it is. The owner keeps
    // the memory while the surface lives.
    static Surface over(Pixel* memory, int32_t width, int32_t height);
    ~Surface();
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int32_t width() const { return w; }
    int32_t height() const { return h; }
    PixelFormat format() const { return pixelFormat; }
    bool isMono() const { return pixelFormat == PixelFormat::mono; }
    // Every bit a pixel has: what NOT flips and what white is.
    Pixel allBits() const { return isMono() ? 1 : 0xFFFFFF; }

    bool contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Pixel* row(int32_t y) { return base + size_t(y) * size_t(w); }
    const Pixel* row(int32_t y) const { return base + size_t(y) * size_t(w); }
    Pixel at(int32_t x, int32_t y) const { return row(y)[x]; }

    // Both clip to the surface; fillSpan covers x0 up to but not including x1.
    void plot(int32_t x, int32_t y, Pixel pixel) {
        if (contains(x, y)) row(y)[x] = pixel;
    }
    void fillSpan(int32_t y, int32_t x0, int32_t x1, Pixel pixel);

private:
    int32_t w = 0, h = 0;
    PixelFormat pixelFormat = PixelFormat::colour;
    std::vector<Pixel> pixels;  // empty over memory the surface does not own
    Pixel* base = nullptr;      // the first row
};

// Copies `area` (inside `source`) into `target`, which is `zoom` times the
// source's size, every pixel a zoom × zoom block.
void zoomInto(Surface& target, const Surface& source, const platform::Box& area, int32_t zoom);

}  // namespace soft
