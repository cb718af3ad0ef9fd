// SPDX-License-Identifier: MIT
#pragma once
// Loads a plug-in module by path and finds its exported entry (`main`, or a
// format's own), like a host.

#include <memory>
#include <string>

#include "interface/EffectRecord.h"

using PluginMainProc = EffectRecord* (*)(HostCallback);

// Asks the modules of this process to show their editors at `zoom`, the way
// the system lets a host: on Linux GDK_SCALE, which every toolkit there
// honours; false with `error` where a module follows its monitor alone.
bool askModulesForZoom(int32_t zoom, std::string& error);

class LoadedModule {
public:
    // Null with `error` set to the cause when the file cannot be loaded as a
    // module or does not export `symbol`.
    static std::unique_ptr<LoadedModule> load(const std::string& path, std::string& error,
                                              const char* symbol = "main");
    ~LoadedModule();

    PluginMainProc mainProc() const { return reinterpret_cast<PluginMainProc>(entry); }
    void* exported() const { return entry; }

    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

private:
    LoadedModule(void* handle, void* entry) : handle(handle), entry(entry) {}
    void* handle;
    void* entry;
};
