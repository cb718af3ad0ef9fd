// The editor as a host drives it: one game step, an idle with nothing to
// repaint, opening and closing, and `main` to a record. Windows are the
// headless desktop's.

#include <benchmark/benchmark.h>

#include <vector>

#include "game/GameEditor.h"
#include "game/GameView.h"
#include "gui/Bitmap.h"
#include "gui/OffscreenContext.h"
#include "gui/ViewFrame.h"
#include "gui/platform/TestDesktop.h"
#include "plugin/GamePlugin.h"
#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"
#include "tests/support/Canvas.h"

namespace {
intptr_t plainHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}

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

// What a step cannot do without: copying the play area to the window.
void stepReference(benchmark::State& run) {
    OpenEditor session;
    Canvas window(302, 214);
    auto context = window.context();
    OffscreenContext* offscreen = session.editor()->getGameView()->offscreenContext();
    for (auto _ : run) offscreen->blitTo(context.get(), Rect(66, 19, 235, 171), Point(64, 64));
}

void gameStep(benchmark::State& run) {
    OpenEditor session;
    Canvas window(302, 214);
    auto context = window.context();
    GameView* view = session.editor()->getGameView();
    for (auto _ : run) view->paint(context.get());
}

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

BENCHMARK(stepReference)->Name("step/reference: copy play area");
BENCHMARK(gameStep)->Name("step/one game step");
BENCHMARK(idleReference)->Name("idle/reference: read four values");
BENCHMARK(idleNothingToRepaint)->Name("idle/editor idle, nothing to repaint");
BENCHMARK(loadImagesReference)->Name("open/reference: load the 23 images");
BENCHMARK(openAndClose)->Name("open/editor open and close");
BENCHMARK(allocationReference)->Name("main/reference: allocate an effect");
BENCHMARK(mainToRecord)->Name("main/main to record and close");
}  // namespace
