// SPDX-License-Identifier: MIT
#include "host/formats/lv2/Lv2Format.h"

#include <filesystem>

namespace {
// A URI or a folder (a bundle, by its name even when missing).
bool namesLv2Plugin(const std::string& name) {
    std::error_code ignored;
    const std::filesystem::path path(name);
    const std::filesystem::path folder = path.has_filename() ? path : path.parent_path();
    return name.find("://") != std::string::npos || std::filesystem::is_directory(path, ignored) ||
           folder.extension() == ".lv2";
}
}  // namespace

const Format lv2Format{.plugin = "an LV2 plug-in",
                       .recognises = namesLv2Plugin,
                       .load = loadLv2Plugin,
                       .printInfo = printLv2Info,
                       .namedAs = kLv2Naming,
                       .hasRecord = false};
