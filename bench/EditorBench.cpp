// SPDX-License-Identifier: MIT
// The editor as a host drives it: one game step, an idle with nothing to
// repaint, opening and closing, and `main` to a record. Windows are the
// headless desktop's.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/BusyWorld.h"
#include "game/GameEditor.h"
#include "game/GameView.h"
#include "game/GroundTileClip.h"
#include "gui/Bitmap.h"
#include "gui/OffscreenContext.h"
#include "gui/ViewFrame.h"
#include "gui/platform/testdesktop/TestDesktop.h"
#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "plugin/PluginMain.h"
#include "tests/game/GameHarness.h"
#include "tests/support/Canvas.h"

namespace {
struct OpenEditor {
    OpenEditor() {
        host = platform::desktop::createHostWindow(302, 214);
        record->dispatcher(record, opEditorOpen, 0, 0, host, 0.0f);
        platform::desktop::postPaint(editor()->getFrame()->window());
    }
    ~OpenEditor() {
        record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
        platform::desktop::destroyHostWindow(host);
    }
    GameEditor* editor() { return static_cast<GameEditor*>(effect.getEditor()); }
    void idle() { record->dispatcher(record, opEditorIdle, 0, 0, nullptr, 0.0f); }

    GamePlugin effect{plainHost};
    EffectRecord* record = effect.getRecord();
    platform::Window host = nullptr;
};

// What a step cannot do without: memcpy of the pixels its two big copies
// write, the ground tiles' rows cut to the play area (as a new game's ground
// lies) into the 298-pixel-wide off-screen picture, then the play area's rows
// into the 302-pixel-wide window.
void stepReference(benchmark::State& run) {
    constexpr size_t offscreenWidth = 298, windowWidth = 302;
    std::vector<uint32_t> tile(size_t(kTileSize) * kTileSize, 0x336633);
    std::vector<uint32_t> offscreen(offscreenWidth * 281);
    std::vector<uint32_t> window(windowWidth * 214);
    std::vector<TileBlit> ground;
    for (const GroundTile& t : kInitialGround)
        if (std::optional<TileBlit> blit = clipGroundTile(t.x, t.y)) ground.push_back(*blit);
    for (auto _ : run) {
        for (const TileBlit& blit : ground)
            for (int32_t y = 0; y < blit.dest.height(); ++y)
                std::memcpy(&offscreen[size_t(blit.dest.top + y) * offscreenWidth + blit.dest.left],
                            &tile[size_t(blit.source.v + y) * kTileSize + blit.source.h],
                            size_t(blit.dest.width()) * 4);
        for (int32_t y = 0; y < kPlayHeight; ++y)
            std::memcpy(&window[size_t(19 + y) * windowWidth + 66],
                        &offscreen[size_t(kMargin + y) * offscreenWidth + kMargin],
                        size_t(kPlayWidth) * 4);
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}

void gameStep(benchmark::State& run) {
    OpenEditor session;
    Canvas window(302, 214);
    auto context = window.context();
    GameView* view = session.editor()->getGameView();
    for (auto _ : run) view->paint(context.get());
}

}  // namespace

void busyGameStep(benchmark::State& run) {
    OpenEditor session;
    Canvas window(302, 214);
    auto context = window.context();
    GameView* view = session.editor()->getGameView();
    GameWorld& world = GameViewProbe::world(*view);
    for (auto _ : run) {
        armBusyWorld(world);
        view->paint(context.get());
    }
}

namespace {
void idleReference(benchmark::State& run) {
    OpenEditor session;
    ViewFrame* frame = session.editor()->getFrame();
    for (auto _ : run) {
        for (int32_t i = 0; i < frame->childCount(); ++i)
            benchmark::DoNotOptimize(static_cast<Control*>(frame->childAt(i))->getValue());
    }
}

void idleNothingToRepaint(benchmark::State& run) {
    OpenEditor session;
    session.idle();
    session.idle();
    for (auto _ : run) session.idle();
}

void loadImagesReference(benchmark::State& run) {
    for (auto _ : run) {
        std::vector<Bitmap*> images;
        for (int32_t id : {130, 131, 132, 133, 512, 134, 135, 136, 137, 138, 139, 140, 141, 129,
                           256, 257, 258, 259, 260, 261, 262, 600, 601})
            images.push_back(new Bitmap(id));
        for (Bitmap* image : images) image->release();
    }
}

void openAndClose(benchmark::State& run) {
    GamePlugin effect(plainHost);
    EffectRecord* record = effect.getRecord();
    platform::Window host = platform::desktop::createHostWindow(302, 214);
    for (auto _ : run) {
        record->dispatcher(record, opEditorOpen, 0, 0, host, 0.0f);
        record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
    }
    platform::desktop::destroyHostWindow(host);
}

void allocationReference(benchmark::State& run) {
    for (auto _ : run) {
        auto* block = new char[sizeof(GamePlugin)];
        benchmark::DoNotOptimize(block);
        delete[] block;
    }
}

void mainToRecord(benchmark::State& run) {
    for (auto _ : run) {
        EffectRecord* record = pluginMain(plainHost);
        record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
    }
}

BENCHMARK(stepReference)->Name("step/reference: memcpy ground + play area");
BENCHMARK(gameStep)->Name("step/game step from a new game");
BENCHMARK(busyGameStep)->Name("step/busy step: 8 enemies 3 clouds 6 shots");
BENCHMARK(idleReference)->Name("idle/reference: read four values");
BENCHMARK(idleNothingToRepaint)->Name("idle/editor idle, nothing to repaint");
BENCHMARK(loadImagesReference)->Name("open/reference: load the 23 images");
BENCHMARK(openAndClose)->Name("open/editor open and close");
BENCHMARK(allocationReference)->Name("main/reference: allocate an effect");
BENCHMARK(mainToRecord)->Name("main/main to record and close");
}  // namespace
