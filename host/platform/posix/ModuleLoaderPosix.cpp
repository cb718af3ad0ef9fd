// SPDX-License-Identifier: MIT
#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "host/platform/ModuleLoader.h"

std::unique_ptr<LoadedModule> LoadedModule::load(const std::string& path, std::string& error,
                                                 const char* symbolName) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "not a regular file";
        return nullptr;
    }
    // A bare name would make dlopen search the library path instead of the file.
    std::string openPath = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* cause = dlerror();
        error = std::string("not a loadable module (") + (cause ? cause : "unknown") + ")";
        return nullptr;
    }
    void* symbol = dlsym(handle, symbolName);
    if (!symbol) {
        dlclose(handle);
        error = std::string("the module exports no ") + symbolName;
        return nullptr;
    }
    return std::unique_ptr<LoadedModule>(new LoadedModule(handle, symbol));
}

LoadedModule::~LoadedModule() { dlclose(handle); }

bool askModulesForZoom(int32_t zoom, std::string&) {
    return setenv("GDK_SCALE", std::to_string(zoom).c_str(), 1) == 0;
}
