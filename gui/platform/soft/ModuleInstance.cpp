// SPDX-License-Identifier: MIT
// The instance handle of the module holding this code: its base address, as
// the Linux load entry stores it.

#include <dlfcn.h>

#include "gui/platform/platform.h"

namespace platform {

void* currentModuleInstance() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&currentModuleInstance), &info)) return nullptr;
    return info.dli_fbase;
}

}  // namespace platform
