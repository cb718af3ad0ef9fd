// SPDX-License-Identifier: MIT
// `editor MODULE [--idles N] [--audio] [--script FILE] [--screenshot FILE.png]`:
// opens the effect's editor in a window of its own, calls the editor idle at
// 30 Hz (with silence streaming through the effect with --audio), injects
// the scripted input, and closes the editor and the effect at the end.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/InputScript.h"
#include "host/Session.h"
#include "host/commands/Commands.h"
#include "host/io/PngFile.h"

namespace {
bool takeScreenshot(HostWindow& window, const std::string& path) {
    Screenshot shot;
    std::string why = "cannot read the window's pixels";
    if (window.capture(shot) && writePng(path, shot, why)) return true;
    failed(path, why);
    return false;
}

int runEditor(const CommandLine& line) {
    const double idles = line.number("--idles", 30);
    if (!(idles >= 0 && idles <= INT32_MAX)) return line.wrong("--idles must be 0 or more");
    int32_t zoom = 0;
    if (!readZoom(line, zoom)) return line.wrong("--zoom must be 1, 2, 3 or 4");
    std::vector<InputAction> actions;
    std::string error;
    const std::string script = line.value("--script");
    if (!script.empty()) {
        std::ifstream file(script);
        std::stringstream text;
        text << file.rdbuf();
        if (!file || !parseInputScript(text.str(), actions, error)) {
            return failed(script, error.empty() ? "cannot read the file" : error);
        }
    }
    auto session = Session::open(line.module(), "Skyrun", error, zoom);
    if (!session) {
        return failed(line.module(), error);
    }
    session->openEditor();
    if (line.has("--audio")) session->streamAudio(AudioInput::silence);
    HostWindow& window = session->window();
    bool ok = true;
    size_t next = 0;
    session->runIdles(int32_t(idles), [&](int32_t idle) {
        for (; next < actions.size() && actions[next].idle <= idle; ++next) {
            if (actions[next].kind == InputAction::Kind::shot)
                ok = takeScreenshot(window, actions[next].file) && ok;
            else
                applyInputAction(actions[next], window);
        }
        return true;
    });
    window.pumpEvents();
    const std::string screenshot = line.value("--screenshot");
    if (!screenshot.empty()) ok = takeScreenshot(window, screenshot) && ok;
    session->finish();
    return ok ? 0 : 1;
}
}  // namespace

const Command editorCommand{
    "editor",
    "opens the editor in a window and drives it",
    {{"--idles", "N", "editor idles at 30 Hz before closing (30)"},
     {"--audio", nullptr, "streams silence through the effect meanwhile"},
     {"--script", "FILE",
      "input to inject, an action a line: IDLE hold|release KEY, IDLE click BUTTON X Y, "
      "IDLE move X Y, IDLE shot FILE.png"},
     {"--screenshot", "FILE.png", "the window's picture at the end"},
     zoomOption},
    runEditor};
