// SPDX-License-Identifier: MIT
#pragma once
// One CLAP plug-in loaded the way a CLAP host loads it: the file's
// clap_entry initialised, the first plug-in of its factory created and
// initialised, activated and processing between start and stop, its stereo
// main ports given the session's buffers, and its embedded GUI as the
// editor, idled through the timers it registers with this host.

#include <memory>
#include <string>
#include <vector>

#include "clap/Clap.h"
#include "host/formats/HostedEffect.h"
#include "host/formats/clap/ClapHost.h"
#include "host/platform/ModuleLoader.h"

class ClapHostedPlugin : public HostedEffect {
public:
    // Null with `error` naming the cause.
    static std::unique_ptr<ClapHostedPlugin> load(const std::string& path, std::string& error);
    ~ClapHostedPlugin() override;  // destroys the plug-in, deinitialises the entry

    bool start(int32_t rate, int32_t block, std::string& error) override;
    void stop() override;
    void process(float** in, float** out, int32_t frames) override;
    bool accumulates(std::string& why) override;
    // Through the GUI's set_scale, which its size follows.
    bool setZoom(int32_t zoom, std::string& error) override;
    bool editorSize(int32_t& width, int32_t& height) override;
    bool openEditor(HostWindow& window) override;
    void idleEditor() override;
    void closeEditor() override;

    const clap_plugin* instance() const { return plugin; }
    // The plug-in's extension `id`, null when it has none.
    template <class Extension>
    const Extension* extension(const char* id) const {
        return static_cast<const Extension*>(plugin->get_extension(plugin, id));
    }

private:
    ClapHostedPlugin(std::unique_ptr<LoadedModule> module, const clap_plugin_entry* entry);
    bool createGui();

    std::unique_ptr<LoadedModule> module;
    const clap_plugin_entry* entry;
    ClapHost host{"skyrun-host"};
    const clap_plugin* plugin = nullptr;
    const clap_plugin_gui* gui = nullptr;
    bool guiCreated = false, active = false;
    int32_t zoom = 0;  // 0: the GUI's own choice
};
