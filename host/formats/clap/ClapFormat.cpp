// SPDX-License-Identifier: MIT
#include "host/formats/clap/ClapFormat.h"

#include <filesystem>

#include "host/formats/clap/ClapHostedPlugin.h"

namespace {
bool namesClapFile(const std::string& name) {
    return std::filesystem::path(name).extension() == ".clap";
}

std::unique_ptr<HostedEffect> loadClapPlugin(const std::string& path, std::string& error) {
    return ClapHostedPlugin::load(path, error);
}
}  // namespace

const Format clapFormat{.plugin = "a CLAP plug-in",
                        .recognises = namesClapFile,
                        .load = loadClapPlugin,
                        .printInfo = printClapInfo,
                        .namedAs = "a CLAP plug-in file (.clap)",
                        .hasRecord = false};
