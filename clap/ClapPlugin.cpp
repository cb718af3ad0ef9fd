// SPDX-License-Identifier: MIT
// The plug-in's functions and its extensions' tables, each a plain function
// mapping the call onto the instance's effect or GUI.

#include "clap/ClapPlugin.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {
EffectAdapter& effectOf(const clap_plugin* plugin) { return *ClapPlugin::of(plugin).effect; }
ClapGui& guiOf(const clap_plugin* plugin) { return ClapPlugin::of(plugin).gui; }

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
const clap_plugin_audio_ports kAudioPorts = {.count = portCount, .get = portInfo};

bool preferredApi(const clap_plugin*, const char** api, bool* floating) {
    if (!api || !floating) return false;
    *api = kClapWindowApiHere;
    *floating = false;
    return true;
}
// The editor has one size at each zoom: hosts learn it cannot be dragged.
bool fixedSizeHints(const clap_plugin*, clap_gui_resize_hints* hints) {
    if (!hints) return false;
    *hints = {};
    return true;
}
const clap_plugin_gui kGui = {
    .is_api_supported = [](const clap_plugin*, const char* api,
                           bool floating) { return ClapGui::supports(api, floating); },
    .get_preferred_api = preferredApi,
    .create = [](const clap_plugin* p, const char* api,
                 bool floating) { return guiOf(p).create(api, floating); },
    .destroy = [](const clap_plugin* p) { guiOf(p).destroy(); },
    .set_scale = [](const clap_plugin* p, double scale) { return guiOf(p).setScale(scale); },
    .get_size = [](const clap_plugin* p, uint32_t* width,
                   uint32_t* height) { return guiOf(p).size(width, height); },
    .can_resize = [](const clap_plugin*) { return false; },
    .get_resize_hints = fixedSizeHints,
    .adjust_size = [](const clap_plugin*, uint32_t*, uint32_t*) { return false; },
    .set_size = [](const clap_plugin*, uint32_t, uint32_t) { return false; },
    .set_parent = [](const clap_plugin* p,
                     const clap_window* window) { return guiOf(p).setParent(window); },
    .set_transient = [](const clap_plugin*, const clap_window*) { return false; },
    // The host's window has the title.
    .suggest_title = [](const clap_plugin*, const char*) {},
    .show = [](const clap_plugin* p) { return guiOf(p).setVisible(true); },
    .hide = [](const clap_plugin* p) { return guiOf(p).setVisible(false); },
};

const clap_plugin_timer_support kTimerSupport = {
    .on_timer = [](const clap_plugin* p, clap_id timer) { guiOf(p).onTimer(timer); }};

const void* extension(const clap_plugin*, const char* id) {
    if (!id) return nullptr;
    if (std::strcmp(id, kClapExtAudioPorts) == 0) return &kAudioPorts;
    if (std::strcmp(id, kClapExtGui) == 0) return &kGui;
    if (std::strcmp(id, kClapExtTimerSupport) == 0) return &kTimerSupport;
    return nullptr;
}

// The first stereo input and output, which may share buffers; anything less
// than two channels a side, or a missing buffer where there are frames, is
// refused before a sample is touched.
clap_process_status process(const clap_plugin* plugin, const clap_process* block) {
    if (!block || block->audio_inputs_count < 1 || block->audio_outputs_count < 1 ||
        !block->audio_inputs || !block->audio_outputs)
        return kClapProcessError;
    const clap_audio_buffer &in = block->audio_inputs[0], &out = block->audio_outputs[0];
    if (in.channel_count < 2 || out.channel_count < 2 || !in.data32 || !out.data32)
        return kClapProcessError;
    if (block->frames_count > 0 &&
        (!in.data32[0] || !in.data32[1] || !out.data32[0] || !out.data32[1]))
        return kClapProcessError;
    effectOf(plugin).process(in.data32, out.data32, int32_t(block->frames_count));
    return kClapProcessContinue;
}

const clap_plugin kTable = {
    .desc = nullptr,
    .plugin_data = nullptr,
    .init = [](const clap_plugin*) { return true; },
    .destroy = [](const clap_plugin* plugin) { delete &ClapPlugin::of(plugin); },
    .activate = [](const clap_plugin* plugin, double rate, uint32_t,
                   uint32_t maxFrames) { return effectOf(plugin).activate(rate, int32_t(maxFrames)); },
    .deactivate = [](const clap_plugin* plugin) { effectOf(plugin).deactivate(); },
    .start_processing = [](const clap_plugin*) { return true; },
    .stop_processing = [](const clap_plugin*) {},
    .reset = [](const clap_plugin*) {},
    .process = process,
    .get_extension = extension,
    .on_main_thread = [](const clap_plugin*) {},
};
}  // namespace

ClapPlugin* ClapPlugin::create(const clap_host* host, const clap_plugin_descriptor* descriptor) {
    std::unique_ptr<EffectAdapter> effect(EffectAdapter::create());
    if (!effect) return nullptr;
    return new (std::nothrow) ClapPlugin(host, descriptor, std::move(effect));
}

ClapPlugin::ClapPlugin(const clap_host* host, const clap_plugin_descriptor* descriptor,
                       std::unique_ptr<EffectAdapter> effect)
    : table(kTable), effect(std::move(effect)), gui(host, *this->effect) {
    table.desc = descriptor;
    table.plugin_data = this;
}
