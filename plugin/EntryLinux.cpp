// SPDX-License-Identifier: MIT
// The module's entry on Linux: `main` is exported by that name (C++ forbids a
// function called main with this signature, so the symbol is given with an
// assembler name). The instance handle is found by the toolkit at load time.

#include "plugin/PluginMain.h"

extern "C" __attribute__((visibility("default"))) EffectRecord* exportedMain(HostCallback callback)
    __asm__("main");

extern "C" EffectRecord* exportedMain(HostCallback callback) { return pluginMain(callback); }
