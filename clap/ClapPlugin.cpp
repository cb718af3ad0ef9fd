// SPDX-License-Identifier: MIT
// The plug-in's functions and its extensions' tables, each a plain function
// handing the call to the instance's ClapEffect or ClapGui.

#include "clap/ClapPlugin.h"

#include <cstdio>
#include <cstring>

#include "clap/ClapEffect.h"

namespace {
ClapEffect& effectOf(const clap_plugin* plugin) { return ClapEffect::of(plugin); }
ClapGui& guiOf(const clap_plugin* plugin) { return ClapEffect::of(plugin).gui(); }

// One stereo main input and one stereo main output, processed in place.
uint32_t portCount(const clap_plugin*, bool) { return 1; }
bool portInfo(const clap_plugin*, uint32_t index, bool isInput, clap_audio_port_info* info) {
    if (index != 0 || !info) return false;
    *info = {};
    info->id = 0;
    std::snprintf(info->name, sizeof info->name, "%s", isInput ? "Stereo In" : "Stereo Out");
    info->flags = kClapAudioPortIsMain;
    info->channel_count = 2;
    info->port_type = kClapPortStereo;
    info->in_place_pair = 0;
    return true;
}
const clap_plugin_audio_ports kAudioPorts = {portCount, portInfo};

bool preferredApi(const clap_plugin*, const char** api, bool* floating) {
    if (!api || !floating) return false;
    *api = kClapWindowApiHere;
    *floating = false;
    return true;
}
bool noResizeHints(const clap_plugin*, clap_gui_resize_hints*) { return false; }
bool noSizeChange(const clap_plugin*, uint32_t*, uint32_t*) { return false; }
bool noTransient(const clap_plugin*, const clap_window*) { return false; }
const clap_plugin_gui kGui = {
    [](const clap_plugin*, const char* api, bool floating) {
        return ClapGui::supports(api, floating);
    },
    preferredApi,
    [](const clap_plugin* p, const char* api, bool floating) {
        return guiOf(p).create(api, floating);
    },
    [](const clap_plugin* p) { guiOf(p).destroy(); },
    [](const clap_plugin* p, double scale) { return guiOf(p).setScale(scale); },
    [](const clap_plugin* p, uint32_t* width, uint32_t* height) {
        return guiOf(p).size(width, height);
    },
    [](const clap_plugin*) { return false; },  // can_resize
    noResizeHints,
    noSizeChange,                                                  // adjust_size
    [](const clap_plugin*, uint32_t, uint32_t) { return false; },  // set_size
    [](const clap_plugin* p, const clap_window* window) { return guiOf(p).setParent(window); },
    noTransient,
    [](const clap_plugin*, const char*) {},  // suggest_title: the host's window has the title
    [](const clap_plugin* p) { return guiOf(p).setVisible(true); },
    [](const clap_plugin* p) { return guiOf(p).setVisible(false); },
};

const clap_plugin_timer_support kTimerSupport = {
    [](const clap_plugin* p, clap_id timer) { guiOf(p).onTimer(timer); }};

const void* extension(const clap_plugin*, const char* id) {
    if (!id) return nullptr;
    if (std::strcmp(id, kClapExtAudioPorts) == 0) return &kAudioPorts;
    if (std::strcmp(id, kClapExtGui) == 0) return &kGui;
    if (std::strcmp(id, kClapExtTimerSupport) == 0) return &kTimerSupport;
    return nullptr;
}

bool init(const clap_plugin*) { return true; }
void destroy(const clap_plugin* plugin) { delete &effectOf(plugin); }
bool activate(const clap_plugin* plugin, double rate, uint32_t, uint32_t maxFrames) {
    return effectOf(plugin).activate(rate, maxFrames);
}
void deactivate(const clap_plugin* plugin) { effectOf(plugin).deactivate(); }
bool startProcessing(const clap_plugin*) { return true; }
void stopProcessing(const clap_plugin*) {}
void reset(const clap_plugin*) {}
clap_process_status process(const clap_plugin* plugin, const clap_process* block) {
    return block ? effectOf(plugin).process(*block) : kClapProcessError;
}
void onMainThread(const clap_plugin*) {}
}  // namespace

clap_plugin pluginTable(ClapEffect& effect, const clap_plugin_descriptor* descriptor) {
    return {descriptor,      &effect,        init,  destroy, activate,  deactivate,
            startProcessing, stopProcessing, reset, process, extension, onMainThread};
}
