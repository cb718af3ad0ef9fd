#include "host/HostedEffect.h"

#include <filesystem>

#include "host/ModuleEffect.h"
#include "host/platform/Lv2Plugins.h"

std::unique_ptr<HostedEffect> HostedEffect::load(const std::string& name, std::string& error) {
    if (namesLv2Plugin(name)) return loadLv2Plugin(name, error);
    return ModuleEffect::create(name, error);
}

// A module is a file; a URI or a folder (a bundle, by its name even when
// missing) is LV2's.
bool HostedEffect::namesLv2Plugin(const std::string& name) {
    std::error_code ignored;
    const std::filesystem::path path(name);
    const std::filesystem::path folder = path.has_filename() ? path : path.parent_path();
    return name.find("://") != std::string::npos || std::filesystem::is_directory(path, ignored) ||
           folder.extension() == ".lv2";
}
