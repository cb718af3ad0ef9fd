// SPDX-License-Identifier: MIT
#include <windows.h>

#include "host/platform/ModuleLoader.h"

namespace {
std::string systemMessage(DWORD code) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' ||
                          buffer[length - 1] == '.'))
        buffer[--length] = 0;
    return length ? std::string(buffer) : "error " + std::to_string(code);
}
}  // namespace

std::unique_ptr<LoadedModule> LoadedModule::load(const std::string& path, std::string& error,
                                                 const char* symbolName) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        error = systemMessage(GetLastError());
        return nullptr;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = "not a regular file";
        return nullptr;
    }
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE handle = LoadLibraryA(path.c_str());
    DWORD loadError = GetLastError();
    SetErrorMode(oldMode);
    if (!handle) {
        error = "not a loadable module (" + systemMessage(loadError) + ")";
        return nullptr;
    }
    FARPROC symbol = GetProcAddress(handle, symbolName);
    if (!symbol) {
        FreeLibrary(handle);
        error = std::string("the module exports no ") + symbolName;
        return nullptr;
    }
    return std::unique_ptr<LoadedModule>(new LoadedModule(handle, reinterpret_cast<void*>(symbol)));
}

LoadedModule::~LoadedModule() { FreeLibrary(static_cast<HMODULE>(handle)); }

bool askModulesForZoom(int32_t, std::string& error) {
    error = "--zoom cannot be applied to a module on Windows: it follows its monitor's DPI";
    return false;
}
