// SPDX-License-Identifier: MIT
#include "gui/ModuleInstance.h"

#include "gui/platform/platform.h"

void* moduleInstance = platform::currentModuleInstance();
