// SPDX-License-Identifier: MIT
#include "gui/platform/soft/Surface.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace soft {

namespace {
// Spare pixel buffers of dropped surfaces, reused best-fit by new ones.
class StoragePool {
public:
    StoragePool() { spare.reserve(limit); }

    std::vector<Pixel> take(size_t count) {
        size_t best = spare.size();
        for (size_t i = 0; i < spare.size(); ++i)
            if (spare[i].capacity() >= count &&
                (best == spare.size() || spare[i].capacity() < spare[best].capacity()))
                best = i;
        std::vector<Pixel> storage;
        if (best < spare.size()) {
            std::swap(spare[best], spare.back());
            storage = std::move(spare.back());
            spare.pop_back();
        }
        storage.assign(count, 0);
        return storage;
    }

    void give(std::vector<Pixel>&& storage) {
        if (storage.capacity() == 0) return;
        if (spare.size() < limit) {
            spare.push_back(std::move(storage));
            return;
        }
        auto smallest = std::min_element(spare.begin(), spare.end(), [](auto& a, auto& b) {
            return a.capacity() < b.capacity();
        });
        if (smallest->capacity() < storage.capacity()) *smallest = std::move(storage);
    }

private:
    static constexpr size_t limit = 16;
    std::vector<std::vector<Pixel>> spare;
};

StoragePool& storagePool() {
    static StoragePool pool;
    return pool;
}
}  // namespace

Surface::Surface(int32_t width, int32_t height, PixelFormat format)
    : w(std::max(width, 0)), h(std::max(height, 0)), pixelFormat(format),
      pixels(storagePool().take(size_t(w) * size_t(h))), base(pixels.data()) {}

Surface Surface::over(Pixel* memory, int32_t width, int32_t height) {
    Surface surface;
    surface.w = std::max(width, 0);
    surface.h = std::max(height, 0);
    surface.base = memory;
    return surface;
}

Surface::~Surface() { storagePool().give(std::move(pixels)); }

Surface::Surface(Surface&& other) noexcept
    : w(std::exchange(other.w, 0)), h(std::exchange(other.h, 0)),
      pixelFormat(other.pixelFormat), pixels(std::move(other.pixels)),
      base(std::exchange(other.base, nullptr)) {}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        storagePool().give(std::move(pixels));
        w = std::exchange(other.w, 0);
        h = std::exchange(other.h, 0);
        pixelFormat = other.pixelFormat;
        pixels = std::move(other.pixels);
        base = std::exchange(other.base, nullptr);
    }
    return *this;
}

void Surface::fillSpan(int32_t y, int32_t x0, int32_t x1, Pixel pixel) {
    if (y < 0 || y >= h) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, w);
    if (x0 < x1) std::fill(row(y) + x0, row(y) + x1, pixel);
}

namespace {
// Each source row is widened once, into the first of its `zoom` rows, and
// that row, still in the cache, copied to the others: the rest of the target
// (a large image the server reads too) takes only whole-row copies, and no
// memory is asked for.
template <int32_t zoom>
void zoomRows(Surface& target, const Surface& source, const platform::Box& area) {
    auto width = size_t(area.right - area.left);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const Pixel* from = source.row(y) + area.left;
        Pixel* wide = target.row(y * zoom) + size_t(area.left) * zoom;
        for (size_t x = 0; x < width; ++x) std::fill_n(wide + x * zoom, zoom, from[x]);
        for (int32_t copy = 1; copy < zoom; ++copy)
            std::copy_n(wide, width * zoom, target.row(y * zoom + copy) + size_t(area.left) * zoom);
    }
}
}  // namespace

void zoomInto(Surface& target, const Surface& source, const platform::Box& area, int32_t zoom) {
    switch (zoom) {
    case 2: return zoomRows<2>(target, source, area);
    case 3: return zoomRows<3>(target, source, area);
    case 4: return zoomRows<4>(target, source, area);
    default: return;
    }
}

}  // namespace soft
