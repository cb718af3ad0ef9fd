// `editor MODULE [--idles N] [--audio] [--script FILE] [--screenshot FILE.png]`:
// opens the effect's editor in a window of its own, calls the editor idle at
// 30 Hz (running one audio block before each idle with --audio), injects the
// scripted input, and closes the editor and the effect at the end.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/Commands.h"
#include "host/EditorHost.h"
#include "host/InputScript.h"
#include "host/PngFile.h"
#include "interface/Opcodes.h"

namespace {
struct EditorOptions {
    std::string module, script, screenshot;
    int32_t idles = 30;
    bool audio = false;
};

bool parse(const std::vector<std::string>& args, EditorOptions& options) {
    if (args.empty()) return false;
    options.module = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        bool hasValue = i + 1 < args.size();
        if (args[i] == "--idles" && hasValue) {
            options.idles = std::atoi(args[++i].c_str());
            if (options.idles < 0) return false;
        } else if (args[i] == "--audio") {
            options.audio = true;
        } else if (args[i] == "--script" && hasValue) {
            options.script = args[++i];
        } else if (args[i] == "--screenshot" && hasValue) {
            options.screenshot = args[++i];
        } else {
            return false;
        }
    }
    return true;
}

bool takeScreenshot(HostWindow& window, const std::string& path) {
    Screenshot shot;
    std::string error;
    if (!window.capture(shot) || !writePng(path, shot, error)) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", path.c_str(),
                     error.empty() ? "cannot read the window's pixels" : error.c_str());
        return false;
    }
    return true;
}
}  // namespace

int runEditor(const std::vector<std::string>& args) {
    EditorOptions options;
    if (!parse(args, options)) {
        std::fprintf(stderr, "usage: skyrun-host editor MODULE [--idles N] [--audio] "
                             "[--script FILE] [--screenshot FILE.png]\n");
        return 2;
    }
    std::vector<InputAction> actions;
    std::string error;
    if (!options.script.empty()) {
        std::ifstream file(options.script);
        std::stringstream text;
        text << file.rdbuf();
        if (!file || !parseInputScript(text.str(), actions, error)) {
            std::fprintf(stderr, "skyrun-host: %s: %s\n", options.script.c_str(),
                         error.empty() ? "cannot read the file" : error.c_str());
            return 1;
        }
    }
    auto host = EditorHost::prepare(options.module, "Skyrun", error);
    if (!host) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", options.module.c_str(), error.c_str());
        return 1;
    }
    host->openEditor();
    HostedEffect* effect = host->effect.get();
    HostWindow* window = host->window.get();

    constexpr int32_t kBlock = EditorHost::kBlock;
    std::vector<float> silence(kBlock, 0.0f), left(kBlock), right(kBlock);
    float* in[2] = {silence.data(), silence.data()};
    float* out[2] = {left.data(), right.data()};
    EffectRecord& record = effect->record();
    bool ok = true;
    size_t next = 0;
    auto tick = std::chrono::steady_clock::now();
    for (int32_t idle = 0; idle < options.idles; ++idle) {
        if (!window->pumpEvents()) break;
        for (; next < actions.size() && actions[next].idle <= idle; ++next) {
            if (actions[next].kind == InputAction::Kind::shot)
                ok = takeScreenshot(*window, actions[next].file) && ok;
            else
                applyInputAction(actions[next], *window);
        }
        if (options.audio) record.processReplacing(&record, in, out, kBlock);
        tick += std::chrono::milliseconds(33);
        std::this_thread::sleep_until(tick);
        effect->dispatch(opEditorIdle);
    }
    window->pumpEvents();
    if (!options.screenshot.empty()) ok = takeScreenshot(*window, options.screenshot) && ok;
    host->finish();
    return ok ? 0 : 1;
}
