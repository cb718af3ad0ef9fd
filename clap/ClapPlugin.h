// SPDX-License-Identifier: MIT
#pragma once
// One CLAP plug-in instance: its table of functions, the host that made it,
// the effect its calls map onto, and its GUI.

#include <memory>

#include "adapter/EffectAdapter.h"
#include "clap/Clap.h"
#include "clap/ClapGui.h"

struct ClapPlugin {
    // Null when the module makes no effect.
    static ClapPlugin* create(const clap_host* host, const clap_plugin_descriptor* descriptor);
    ClapPlugin(const ClapPlugin&) = delete;
    ClapPlugin& operator=(const ClapPlugin&) = delete;

    static ClapPlugin& of(const clap_plugin* plugin) {
        return *static_cast<ClapPlugin*>(plugin->plugin_data);
    }

    clap_plugin table;
    // Closed after the GUI, which goes first as the later member.
    std::unique_ptr<EffectAdapter> effect;
    ClapGui gui;

private:
    ClapPlugin(const clap_host* host, const clap_plugin_descriptor* descriptor,
               std::unique_ptr<EffectAdapter> effect);
};
