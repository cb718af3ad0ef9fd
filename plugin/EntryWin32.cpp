// SPDX-License-Identifier: MIT
// The module's entry on Windows: the loader's entry stores the instance
// handle. `main` is exported by the .def file, which names pluginMain.

#include <windows.h>

#include "gui/ModuleInstance.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    moduleInstance = instance;
    return TRUE;
}
