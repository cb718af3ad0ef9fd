// SPDX-License-Identifier: MIT
// Drawing operations of the toolkit on a screen-compatible memory picture,
// beside a plain loop that writes the same number of pixels; the two big
// copies of a game step beside memcpy of the same rows.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"
#include "gui/OffscreenContext.h"
#include "tests/support/Canvas.h"

namespace {
void pixelLoop(benchmark::State& run) {
    std::vector<uint32_t> pixels(100 * 100);
    uint32_t colour = 0;
    for (auto _ : run) {
        for (uint32_t& p : pixels) p = colour;
        ++colour;
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}

void fillRect(benchmark::State& run) {
    Canvas canvas(128, 128);
    auto context = canvas.context();
    for (auto _ : run) {
        context->setBrushColor(kBlue);
        context->fillRectInner(Rect(-1, -1, 99, 99));
    }
}

void lines(benchmark::State& run) {
    Canvas canvas(128, 128);
    auto context = canvas.context();
    context->setPenColor(kRed);
    for (auto _ : run) {
        context->outlineRect(Rect(0, 0, 99, 99));  // four lines, about 400 pixels
    }
}

void spriteTransparent(benchmark::State& run, int32_t id, Rect dest) {
    Canvas canvas(298, 281);
    auto context = canvas.context();
    Bitmap* sprite = new Bitmap(id);
    for (auto _ : run) sprite->blitTransparent(context.get(), dest, Point(0, 0));
    sprite->release();
}

void aircraft(benchmark::State& run) { spriteTransparent(run, 129, Rect(100, 100, 115, 123)); }
void enemy(benchmark::State& run) { spriteTransparent(run, 512, Rect(100, 100, 116, 116)); }
void cloud(benchmark::State& run) { spriteTransparent(run, 130, Rect(100, 100, 164, 164)); }

// Rows of `width` pixels from a picture `sourceStride` wide into one
// `destStride` wide, as a copy between two surfaces moves them.
void copyRows(benchmark::State& run, int32_t width, int32_t rows, int32_t sourceStride,
              int32_t destStride) {
    std::vector<uint32_t> source(size_t(sourceStride) * size_t(rows), 0x123456);
    std::vector<uint32_t> dest(size_t(destStride) * size_t(rows));
    for (auto _ : run) {
        for (int32_t y = 0; y < rows; ++y)
            std::memcpy(dest.data() + size_t(y) * size_t(destStride),
                        source.data() + size_t(y) * size_t(sourceStride), size_t(width) * 4);
        benchmark::DoNotOptimize(dest.data());
        benchmark::ClobberMemory();
    }
}

// The off-screen picture is 298 pixels wide, the window 302.
void playAreaRows(benchmark::State& run) { copyRows(run, 169, 152, 298, 302); }
void tileRows(benchmark::State& run) { copyRows(run, 128, 128, 128, 298); }

void tileBlit(benchmark::State& run) {
    Canvas canvas(298, 281);
    auto context = canvas.context();
    Bitmap* tile = new Bitmap(137);
    for (auto _ : run) tile->blit(context.get(), Rect(64, 64, 192, 192), Point(0, 0));
    tile->release();
}

void text(benchmark::State& run) {
    Canvas canvas(64, 20);
    auto context = canvas.context();
    context->selectFont(4, 0);
    context->setInkColor(kBlack);
    for (auto _ : run) context->printText("1234", Rect(0, 0, 42, 17), 0, 1);
}

void showPlayArea(benchmark::State& run) {
    Canvas window(302, 214);
    auto context = window.context();
    auto* size = new Bitmap(nullptr, 298, 281);
    OffscreenContext offscreen(context.get(), size);
    size->release();
    for (auto _ : run) offscreen.blitTo(context.get(), Rect(66, 19, 235, 171), Point(64, 64));
}

BENCHMARK(pixelLoop)->Name("drawing/reference: write 100x100 pixels");
BENCHMARK(fillRect)->Name("drawing/fillRectInner 100x100");
BENCHMARK(lines)->Name("drawing/outlineRect 100x100");
BENCHMARK(aircraft)->Name("drawing/blitTransparent aircraft 15x23");
BENCHMARK(enemy)->Name("drawing/blitTransparent enemy 16x16");
BENCHMARK(cloud)->Name("drawing/blitTransparent cloud 64x64");
BENCHMARK(text)->Name("drawing/printText four digits");
BENCHMARK(playAreaRows)->Name("copy/reference: memcpy 152 rows of 169 pixels");
BENCHMARK(showPlayArea)->Name("copy/blitTo play area 169x152");
BENCHMARK(tileRows)->Name("tile/reference: memcpy 128 rows of 128 pixels");
BENCHMARK(tileBlit)->Name("tile/blit ground tile 128x128");
}  // namespace
