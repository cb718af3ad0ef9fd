// SPDX-License-Identifier: MIT
// Bitmap resources and the instance handle they are loaded from.

#include "gui/platform/win32/Handles.h"

namespace platform {
using namespace win32;

Object loadBitmapResource(void* moduleInstance, int32_t id) {
    return fromHandle(LoadBitmapA(toInstance(moduleInstance), MAKEINTRESOURCEA(id)));
}

// The module that holds this code, not the process's program: in a DLL that
// is the DLL, in a test program the program itself.
void* currentModuleInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&currentModuleInstance), &module);
    return module;
}

}  // namespace platform
