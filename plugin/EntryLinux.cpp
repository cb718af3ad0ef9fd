// The module's entry on Linux: the load-time constructor stores the module's
// base address as its instance handle, and `main` is exported by that name
// (C++ forbids a function called main with this signature, so the symbol is
// given with an assembler name).

#include <dlfcn.h>

#include "plugin/ModuleState.h"
#include "plugin/PluginMain.h"

namespace {
__attribute__((constructor)) void storeInstanceHandle() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&storeInstanceHandle), &info)) moduleInstance = info.dli_fbase;
}
}  // namespace

extern "C" __attribute__((visibility("default"))) EffectRecord* exportedMain(HostCallback callback)
    __asm__("main");

extern "C" EffectRecord* exportedMain(HostCallback callback) { return pluginMain(callback); }
