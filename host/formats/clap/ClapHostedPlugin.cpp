// SPDX-License-Identifier: MIT
#include "host/formats/clap/ClapHostedPlugin.h"


#include "host/platform/HostWindow.h"

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
    effect->plugin = factory->create_plugin(factory, effect->host.table(), descriptor->id);
    if (!effect->plugin || !effect->plugin->init(effect->plugin)) {
        error = std::string("the plug-in ") + descriptor->id + " could not be created";
        return nullptr;
    }
    effect->gui = effect->extension<clap_plugin_gui>(kClapExtGui);
    return effect;
}

ClapHostedPlugin::ClapHostedPlugin(std::unique_ptr<LoadedModule> module,
                                   const clap_plugin_entry* entry)
    : module(std::move(module)), entry(entry) {}

ClapHostedPlugin::~ClapHostedPlugin() {
    if (plugin) {
        closeEditor();
        stop();
        plugin->destroy(plugin);
    }
    entry->deinit();
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
    ClapHost::processStereo(plugin, in, out, uint32_t(frames));
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
    const clap_window parent = ClapHost::windowOf(window.parentHandle());
    return createGui() && gui->set_parent(plugin, &parent) && gui->show(plugin);
}

void ClapHostedPlugin::idleEditor() { host.runTimers(plugin); }

void ClapHostedPlugin::closeEditor() {
    if (guiCreated) gui->destroy(plugin);
    guiCreated = false;
}
