// Drawing operations of the toolkit on a screen-compatible memory picture,
// beside a plain loop that writes the same number of pixels.

#include <benchmark/benchmark.h>

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

void spriteTransparent(benchmark::State& run) {
    Canvas canvas(298, 281);
    auto context = canvas.context();
    Bitmap* plane = new Bitmap(129);
    for (auto _ : run) plane->blitTransparent(context.get(), Rect(100, 100, 115, 123), Point(0, 0));
    plane->release();
}

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
BENCHMARK(tileBlit)->Name("drawing/blit ground tile 128x128");
BENCHMARK(spriteTransparent)->Name("drawing/blitTransparent aircraft 15x23");
BENCHMARK(text)->Name("drawing/printText four digits");
BENCHMARK(showPlayArea)->Name("drawing/blitTo play area 169x152");
}  // namespace
