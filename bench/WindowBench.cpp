// SPDX-License-Identifier: MIT
// The editor in real X11 windows, as a Linux host shows it: a busy idle (one
// game step, drawn and shown) beside the busy step alone, at zoom 1, 2 and 3,
// and one idle pass over sixteen editors open in one process. Without a display the rows say
// so and are skipped.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/BusyWorld.h"
#include "game/GameEditor.h"
#include "game/GameView.h"
#include "gui/ViewFrame.h"
#include "interface/EditorRect.h"
#include "host/platform/HostWindow.h"
#include "plugin/GamePlugin.h"
#include "tests/game/GameHarness.h"

namespace {
// An editor open in a top-level window of its own, past its first paint.
struct WindowedEditor {
    explicit WindowedEditor(std::string& error, int32_t zoom = 1) {
        window = HostWindow::create(302 * zoom, 214 * zoom, "Skyrun bench", error);
        if (!window) return;
        record->dispatcher(record, opVendorSpecific, kEditorQueryIndex, kEditorScaleValue, nullptr,
                           float(zoom));
        record->dispatcher(record, opEditorOpen, 0, 0, window->parentHandle(), 0.0f);
        // The first paint comes with the window's exposure, which an idle delivers.
        for (int tries = 0; tries < 1000 && frame()->isFirstPaintPending(); ++tries) {
            window->pumpEvents();
            idle();
        }
        if (frame()->isFirstPaintPending()) error = "the editor window was never exposed";
    }
    ~WindowedEditor() {
        if (window) record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
    }
    ViewFrame* frame() { return static_cast<GameEditor*>(effect.getEditor())->getFrame(); }
    GameView& view() { return *static_cast<GameEditor*>(effect.getEditor())->getGameView(); }
    void idle() { record->dispatcher(record, opEditorIdle, 0, 0, nullptr, 0.0f); }
    // One idle that plays a busy step: a new control value makes the view
    // repaint, as the end of an audio block does.
    void busyIdle(int32_t turn) {
        armBusyWorld(GameViewProbe::world(view()));
        view().setValue(float(1 + (turn & 1)));
        idle();
    }

    GamePlugin effect{plainHost};
    EffectRecord* record = effect.getRecord();
    std::unique_ptr<HostWindow> window;
};

// Opens `count` editors, or says why the row is skipped.
bool openEditors(benchmark::State& run, std::vector<std::unique_ptr<WindowedEditor>>& editors,
                 int count, int32_t zoom = 1) {
    for (int i = 0; i < count; ++i) {
        std::string error;
        editors.push_back(std::make_unique<WindowedEditor>(error, zoom));
        if (!error.empty()) {
            run.SkipWithError(("skipped, no real window: " + error).c_str());
            return false;
        }
    }
    return true;
}

void busyIdleInWindow(benchmark::State& run, int32_t zoom) {
    std::vector<std::unique_ptr<WindowedEditor>> editors;
    if (!openEditors(run, editors, 1, zoom)) return;
    int32_t turn = 0;
    for (auto _ : run) editors[0]->busyIdle(turn++);
}

void sixteenEditorsOneIdlePass(benchmark::State& run) {
    std::vector<std::unique_ptr<WindowedEditor>> editors;
    if (!openEditors(run, editors, 16)) return;
    int32_t turn = 0;
    for (auto _ : run) {
        for (auto& editor : editors) editor->busyIdle(turn);
        ++turn;
    }
}

BENCHMARK(busyGameStep)->Name("x11/reference: busy step alone");
BENCHMARK_CAPTURE(busyIdleInWindow, zoom1, 1)->Name("x11/busy idle in a real X11 window");
BENCHMARK_CAPTURE(busyIdleInWindow, zoom2, 2)->Name("x11/busy idle at zoom 2");
BENCHMARK_CAPTURE(busyIdleInWindow, zoom3, 3)->Name("x11/busy idle at zoom 3");
BENCHMARK(sixteenEditorsOneIdlePass)->Name("x11/16 editors, one busy idle pass");
}  // namespace
