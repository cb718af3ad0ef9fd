// SPDX-License-Identifier: MIT
// `play MODULE`: the editor in a window for a person, with live sound. Ends
// when the window is closed or on Ctrl-C, closing the editor and the effect.

#include <atomic>
#include <csignal>
#include <cstdio>

#include "host/Session.h"
#include "host/commands/Commands.h"

namespace {
std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

int runPlay(const CommandLine& line) {
    int32_t zoom = 0;
    if (!readZoom(line, zoom)) return line.wrong("--zoom must be 1, 2, 3 or 4");
    std::string error;
    auto session = Session::open(line.module(), "Skyrun", error, zoom);
    if (!session) {
        return failed(line.module(), error);
    }
    session->openEditor();
    if (!session->playAudio(error))
        std::fprintf(stderr, "skyrun-host: no sound (%s); playing on silently\n", error.c_str());
    std::signal(SIGINT, onInterrupt);
    std::printf("Skyrun is playing: Ctrl and Alt (or the mouse buttons) fly, Shift fires, "
                "the START lamp starts again. Close the window or press Ctrl-C to end.\n");
    std::fflush(stdout);
    session->runIdles(-1, [](int32_t) { return !interrupted; });
    session->finish();
    return 0;
}
}  // namespace

const Command playCommand{"play", "the game in a window for a person, with live sound",
                          {zoomOption}, runPlay};
