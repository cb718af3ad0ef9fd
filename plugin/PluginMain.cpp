// SPDX-License-Identifier: MIT
#include "plugin/PluginMain.h"

#include <new>

#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "plugin/ModuleState.h"

bool moduleOutOfMemory = false;

extern "C" EffectRecord* pluginMain(HostCallback hostCallback) {
    if (!hostCallback || hostCallback(nullptr, hostVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    auto* effect = new (std::nothrow) GamePlugin(hostCallback);
    if (!effect) return nullptr;
    if (moduleOutOfMemory) {
        delete effect;
        return nullptr;
    }
    return effect->getRecord();
}
