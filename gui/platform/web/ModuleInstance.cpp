// SPDX-License-Identifier: MIT
// The instance handle in the browser: a WebAssembly module is one image with
// no loader to ask, and the resources are found without it, so any address
// of the image stands for it.

#include "gui/platform/platform.h"

namespace platform {

void* currentModuleInstance() { return reinterpret_cast<void*>(&currentModuleInstance); }

}  // namespace platform
