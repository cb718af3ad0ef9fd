// SPDX-License-Identifier: MIT
#include "host/formats/clap/ClapHostedPlugin.h"

#include <algorithm>
#include <cstring>

#include "host/platform/HostWindow.h"

namespace {
ClapHostedPlugin& hostOf(const clap_host* host) {
    return *static_cast<ClapHostedPlugin*>(host->host_data);
}
// The plug-in's requests for a restart, a process or a main-thread callback
// need no answer from a host that restarts, processes and idles by itself.
void ignoreRequest(const clap_host*) {}
}  // namespace

std::unique_ptr<ClapHostedPlugin> ClapHostedPlugin::load(const std::string& path,
                                                         std::string& error) {
    auto module = LoadedModule::load(path, error, "clap_entry");
    if (!module) return nullptr;
    auto* entry = static_cast<const clap_plugin_entry*>(module->exported());
    if (entry->clap_version.major < 1 || !entry->init(path.c_str())) {
        error = "the CLAP entry refused to initialise";
        return nullptr;
    }
    auto effect = std::unique_ptr<ClapHostedPlugin>(new ClapHostedPlugin(std::move(module), entry));
    auto* factory =
        static_cast<const clap_plugin_factory*>(entry->get_factory(kClapPluginFactoryId));
    const clap_plugin_descriptor* descriptor = factory && factory->get_plugin_count(factory) > 0
                                                   ? factory->get_plugin_descriptor(factory, 0)
                                                   : nullptr;
    if (!descriptor) {
        error = "the CLAP entry offers no plug-in";
        return nullptr;
    }
    effect->plugin = factory->create_plugin(factory, &effect->host, descriptor->id);
    if (!effect->plugin || !effect->plugin->init(effect->plugin)) {
        error = std::string("the plug-in ") + descriptor->id + " could not be created";
        return nullptr;
    }
    effect->gui = effect->extension<clap_plugin_gui>(kClapExtGui);
    return effect;
}

ClapHostedPlugin::ClapHostedPlugin(std::unique_ptr<LoadedModule> module,
                                   const clap_plugin_entry* entry)
    : module(std::move(module)),
      entry(entry),
      host{kClapVersion, this,          "skyrun-host", "Orvane",      "",
           "1",          hostExtension, ignoreRequest, ignoreRequest, ignoreRequest} {}

ClapHostedPlugin::~ClapHostedPlugin() {
    if (plugin) {
        closeEditor();
        stop();
        plugin->destroy(plugin);
    }
    entry->deinit();
}

const void* ClapHostedPlugin::hostExtension(const clap_host* host, const char* id) {
    return id && std::strcmp(id, kClapExtTimerSupport) == 0 ? &hostOf(host).timerSupport : nullptr;
}

bool ClapHostedPlugin::registerTimer(const clap_host* host, uint32_t, clap_id* id) {
    ClapHostedPlugin& self = hostOf(host);
    self.timers.push_back(*id = self.nextTimer++);
    return true;
}

bool ClapHostedPlugin::unregisterTimer(const clap_host* host, clap_id id) {
    auto& timers = hostOf(host).timers;
    auto found = std::find(timers.begin(), timers.end(), id);
    if (found == timers.end()) return false;
    timers.erase(found);
    return true;
}

bool ClapHostedPlugin::start(int32_t rate, int32_t block, std::string& error) {
    stop();
    if (!plugin->activate(plugin, double(rate), 1, uint32_t(block))) {
        error = "the plug-in refused to activate at " + std::to_string(rate) + " Hz";
        return false;
    }
    active = true;
    plugin->start_processing(plugin);
    return true;
}

void ClapHostedPlugin::stop() {
    if (!active) return;
    plugin->stop_processing(plugin);
    plugin->deactivate(plugin);
    active = false;
}

void ClapHostedPlugin::process(float** in, float** out, int32_t frames) {
    const clap_audio_buffer input = {in, nullptr, 2, 0, 0};
    clap_audio_buffer output = {out, nullptr, 2, 0, 0};
    const clap_process block = {-1, uint32_t(frames), nullptr, &input, &output, 1,
                                1,  nullptr,          nullptr};
    plugin->process(plugin, &block);
}

bool ClapHostedPlugin::accumulates(std::string& why) {
    why = "a CLAP plug-in has no accumulating process";
    return false;
}

bool ClapHostedPlugin::setZoom(int32_t newZoom, std::string& error) {
    if (!gui) error = "the plug-in has no GUI";
    zoom = newZoom;
    if (guiCreated) gui->set_scale(plugin, double(zoom));
    return gui != nullptr;
}

bool ClapHostedPlugin::createGui() {
    if (guiCreated) return true;
    guiCreated = gui && gui->create(plugin, kClapWindowApiHere, false);
    if (guiCreated && zoom) gui->set_scale(plugin, double(zoom));
    return guiCreated;
}

bool ClapHostedPlugin::editorSize(int32_t& width, int32_t& height) {
    uint32_t w = 0, h = 0;
    if (!createGui() || !gui->get_size(plugin, &w, &h)) return false;
    width = int32_t(w);
    height = int32_t(h);
    return true;
}

bool ClapHostedPlugin::openEditor(HostWindow& window) {
    clap_window parent{kClapWindowApiHere, {.ptr = window.parentHandle()}};
#ifndef _WIN32
    parent.x11 = reinterpret_cast<uintptr_t>(window.parentHandle());
#endif
    return createGui() && gui->set_parent(plugin, &parent) && gui->show(plugin);
}

void ClapHostedPlugin::idleEditor() {
    auto* onTimer = extension<clap_plugin_timer_support>(kClapExtTimerSupport);
    for (size_t at = 0; onTimer && at < timers.size(); ++at) onTimer->on_timer(plugin, timers[at]);
}

void ClapHostedPlugin::closeEditor() {
    if (guiCreated) gui->destroy(plugin);
    guiCreated = false;
}
