// SPDX-License-Identifier: MIT
// A CLAP plug-in that writes every call its host makes, one a line, to the
// file named by SKYRUN_CLAP_RECORD, and after a call the host may not make
// at that point a line `wrong: ...` naming the rule the CLAP headers give.
// It passes audio through, and idles on two timers of its host's: the first
// it lets go of at its first call, after which it must never come again.

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "clap/Clap.h"

namespace {
enum class State { none, created, initialised, active, processing };
std::atomic<State> state = State::none;  // process comes on the audio thread
bool entryReady = false, guiMade = false;
const clap_host* host = nullptr;
std::vector<clap_id> timers;  // registered with the host and not let go of since
bool letGoOfOne = false;      // the first timer, at its first call
uint32_t scale = 1;
std::mutex recording;

void note(const char* format, ...) {
    std::lock_guard lock(recording);
    const char* path = std::getenv("SKYRUN_CLAP_RECORD");
    FILE* file = path ? std::fopen(path, "a") : nullptr;
    if (!file) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}

// Records the call, and `rule` as broken when `kept` is false.
void call(const char* name, bool kept, const char* rule) {
    note("%s", name);
    if (!kept) note("wrong: %s: %s", name, rule);
}

// Moves the plug-in from `from` to `to`, the only state the call is allowed in.
void step(const char* name, State from, State to, const char* rule) {
    call(name, state == from, rule);
    state = to;
}

const clap_host_timer_support* hostTimers() {
    return static_cast<const clap_host_timer_support*>(
        host->get_extension(host, kClapExtTimerSupport));
}

void letGo(clap_id timer) {
    const clap_host_timer_support* support = hostTimers();
    call("unregister_timer", support && support->unregister_timer(host, timer),
         "a timer the host gave can be let go of");
    std::erase(timers, timer);
}

const clap_plugin_gui kGui = {
    [](const clap_plugin*, const char* api, bool floating) {
        return std::strcmp(api, kClapWindowApiHere) == 0 && !floating;
    },
    [](const clap_plugin*, const char** api, bool* floating) {
        *api = kClapWindowApiHere;
        *floating = false;
        return true;
    },
    [](const clap_plugin*, const char* api, bool floating) {
        call("gui.create", state >= State::initialised && !guiMade, "created once, after init");
        const clap_host_timer_support* support = hostTimers();
        for (int count = 0; count < 2; ++count) {
            clap_id timer = kClapInvalidId;
            call("register_timer", support && support->register_timer(host, 30, &timer),
                 "a host that idles through timers gives them");
            timers.push_back(timer);
        }
        return guiMade = std::strcmp(api, kClapWindowApiHere) == 0 && !floating;
    },
    [](const clap_plugin*) {
        call("gui.destroy", guiMade, "after create");
        while (!timers.empty()) letGo(timers.front());
        guiMade = false;
    },
    [](const clap_plugin*, double newScale) {
        char name[32];
        std::snprintf(name, sizeof name, "gui.set_scale %g", newScale);
        call(name, guiMade, "after create");
        scale = uint32_t(newScale);
        return newScale >= 1.0;
    },
    [](const clap_plugin*, uint32_t* width, uint32_t* height) {
        call("gui.get_size", guiMade, "after create");
        *width = 120 * scale;
        *height = 80 * scale;
        return true;
    },
    [](const clap_plugin*) { return false; },
    [](const clap_plugin*, clap_gui_resize_hints*) { return false; },
    [](const clap_plugin*, uint32_t*, uint32_t*) { return false; },
    [](const clap_plugin*, uint32_t, uint32_t) { return false; },
    [](const clap_plugin*, const clap_window* window) {
        call("gui.set_parent", guiMade && std::strcmp(window->api, kClapWindowApiHere) == 0,
             "after create, in the API created for");
        return true;
    },
    [](const clap_plugin*, const clap_window*) { return false; },
    [](const clap_plugin*, const char*) {},
    [](const clap_plugin*) {
        call("gui.show", guiMade, "after create");
        return true;
    },
    [](const clap_plugin*) {
        call("gui.hide", guiMade, "after create");
        return true;
    },
};

const clap_plugin_timer_support kTimers = {[](const clap_plugin*, clap_id timer) {
    call("on_timer", std::find(timers.begin(), timers.end(), timer) != timers.end(),
         "only a timer registered and not let go of");
    if (!letGoOfOne && !timers.empty() && timer == timers.front()) {
        letGoOfOne = true;
        letGo(timer);
    }
}};

const char* const kFeatures[] = {"audio-effect", nullptr};
const clap_plugin_descriptor kDescriptor = {
    kClapVersion, "example.orvane.recording", "Recording", "", "", "", "", "1", "", kFeatures};

const clap_plugin kPlugin = {
    &kDescriptor,
    nullptr,
    [](const clap_plugin*) {
        step("init", State::created, State::initialised, "once, right after create");
        return true;
    },
    [](const clap_plugin*) {
        call("destroy", state == State::initialised && !guiMade,
             "deactivated, its GUI destroyed");
        state = State::none;
    },
    [](const clap_plugin*, double rate, uint32_t least, uint32_t most) {
        char name[64];
        std::snprintf(name, sizeof name, "activate %g %u %u", rate, unsigned(least),
                      unsigned(most));
        step(name, State::initialised, State::active, "initialised and not active");
        return rate > 0.0 && least <= most;
    },
    [](const clap_plugin*) {
        step("deactivate", State::active, State::initialised, "active, processing stopped");
    },
    [](const clap_plugin*) {
        step("start_processing", State::active, State::processing, "active, not processing");
        return true;
    },
    [](const clap_plugin*) {
        step("stop_processing", State::processing, State::active, "processing");
    },
    [](const clap_plugin*) { call("reset", state >= State::active, "active"); },
    [](const clap_plugin*, const clap_process* block) {
        static bool noted = false;  // one line for all blocks
        if (!noted || state != State::processing)
            call("process", state == State::processing, "between start and stop processing");
        noted = true;
        if (!block->audio_inputs_count || !block->audio_outputs_count) return kClapProcessError;
        const clap_audio_buffer &in = block->audio_inputs[0], &out = block->audio_outputs[0];
        for (uint32_t channel = 0; channel < out.channel_count && channel < in.channel_count;
             ++channel)
            if (out.data32[channel] != in.data32[channel])
                std::copy_n(in.data32[channel], block->frames_count, out.data32[channel]);
        return kClapProcessContinue;
    },
    [](const clap_plugin*, const char* id) -> const void* {
        call("get_extension", state >= State::initialised, "not before init");
        if (std::strcmp(id, kClapExtGui) == 0) return &kGui;
        if (std::strcmp(id, kClapExtTimerSupport) == 0) return &kTimers;
        return nullptr;
    },
    [](const clap_plugin*) {},
};

const clap_plugin_factory kFactory = {
    [](const clap_plugin_factory*) -> uint32_t { return 1; },
    [](const clap_plugin_factory*, uint32_t index) {
        return index == 0 ? &kDescriptor : nullptr;
    },
    [](const clap_plugin_factory*, const clap_host* newHost, const char* id) -> const clap_plugin* {
        call("create_plugin", entryReady && state == State::none,
             "after the entry's init, one at a time");
        if (std::strcmp(id, kDescriptor.id) != 0 || newHost->clap_version.major < 1) return nullptr;
        host = newHost;
        state = State::created;
        return &kPlugin;
    }};
}  // namespace

#ifdef _WIN32
#define EXPORTED __declspec(dllexport)
#else
#define EXPORTED __attribute__((visibility("default")))
#endif
extern "C" EXPORTED const clap_plugin_entry clap_entry = {
    kClapVersion,
    [](const char*) {
        call("entry.init", !entryReady && state == State::none, "first, once");
        return entryReady = true;
    },
    [] {
        call("entry.deinit", entryReady && state == State::none, "last, no plug-in left");
        entryReady = false;
    },
    [](const char* id) -> const void* {
        call("entry.get_factory", entryReady, "after the entry's init");
        return std::strcmp(id, kClapPluginFactoryId) == 0 ? &kFactory : nullptr;
    }};
