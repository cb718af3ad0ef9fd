// SPDX-License-Identifier: MIT
#include "host/formats/module/ModuleFormat.h"

#include "host/formats/module/ModuleEffect.h"
#include "host/formats/module/ModuleInfo.h"

namespace {
bool anyFile(const std::string&) { return true; }

std::unique_ptr<HostedEffect> loadModule(const std::string& path, std::string& error) {
    return ModuleEffect::create(path, error);
}
}  // namespace

const Format moduleFormat{.plugin = "a module",
                          .recognises = anyFile,
                          .load = loadModule,
                          .printInfo = printModuleInfo,
                          .namedAs = nullptr,
                          .hasRecord = true};
