// SPDX-License-Identifier: MIT
// The editor checks: the editor in real host windows, with the idle at 30 Hz and
// audio blocks streaming, the way a host's interface and audio threads
// drive it.

#include "host/commands/check/Checks.h"

#include <chrono>
#include <thread>

#include "host/Session.h"

namespace {
// A closed editor's window must be gone; a module drawing over its own
// display connection gets a moment for its requests to reach the server.
bool windowLeftBehind(HostWindow& window) {
    for (int wait = 0; wait < 10 && window.hasChildWindows(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return window.hasChildWindows();
}
}  // namespace

std::string editorOpenedRepeatedly(const std::string& module) {
    std::string error;
    auto session = Session::open(module, "Skyrun check", error);
    if (!session) return error;
    session->streamAudio(AudioInput::silence);
    // Each cycle's first idle follows the open, its second comes at the next
    // tick, just before the close.
    for (int cycle = 0; cycle < 200; ++cycle) {
        if (!session->openEditor())
            return "the editor did not open on cycle " + std::to_string(cycle);
        session->runIdles(2);
        session->closeEditor();
        session->window().pumpEvents();
        if (windowLeftBehind(session->window()))
            return "a window was left behind on cycle " + std::to_string(cycle);
    }
    if (session->audio().blocks() == 0) return "the audio thread ran no block";
    return "";
}

std::string twoEditorsAtOnce(const std::string& module) {
    std::unique_ptr<Session> sessions[2];
    for (auto& session : sessions) {
        std::string error;
        session = Session::open(module, "Skyrun check", error);
        if (!session) return error;
    }
    for (auto& session : sessions)
        if (!session->openEditor()) return "an editor did not open";
    for (auto& session : sessions) session->streamAudio(AudioInput::silence);
    // The second's idles ride on the first's ticks: one interface thread.
    sessions[0]->runIdles(10, [&](int32_t) {
        sessions[1]->runIdles(1);
        return true;
    });
    for (auto& session : sessions) {
        session->closeEditor();
        session->window().pumpEvents();
        session->finish();
    }
    return "";
}

std::string editorAfterWindowDestroyed(const std::string& module) {
    std::string error;
    auto session = Session::open(module, "Skyrun check", error);
    if (!session) return error;
    if (!session->openEditor()) return "the editor did not open";
    session->runIdles(1);
    session->streamAudio(AudioInput::silence);
    session->window().destroyNow();
    session->runIdles(3);
    session->finish();
    return "";
}
