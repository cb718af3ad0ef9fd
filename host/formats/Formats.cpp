// SPDX-License-Identifier: MIT
#include "host/formats/Formats.h"

#include "host/formats/clap/ClapFormat.h"
#include "host/formats/lv2/Lv2Format.h"
#include "host/formats/module/ModuleFormat.h"

namespace {
// A module is any file, so it comes last and takes every name.
const Format* const kFormats[] = {&clapFormat, &lv2Format, &moduleFormat};
}  // namespace

const Format& formatOf(const std::string& name) {
    for (const Format* format : kFormats)
        if (format->recognises(name)) return *format;
    return moduleFormat;
}

std::unique_ptr<HostedEffect> loadEffect(const std::string& name, std::string& error) {
    return formatOf(name).load(name, error);
}
