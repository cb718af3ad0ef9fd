// SPDX-License-Identifier: MIT
#include "host/formats/Formats.h"

#include <vector>

#include "host/formats/clap/ClapFormat.h"
#include "host/formats/lv2/Lv2Format.h"
#include "host/formats/module/ModuleFormat.h"

namespace {
// A module is any file, so it comes last and takes every name.
const Format* const kFormats[] = {&clapFormat, &lv2Format, &moduleFormat};
}  // namespace

std::string otherFormatsSentence() {
    std::vector<const char*> ways;
    for (const Format* format : kFormats)
        if (format->namedAs) ways.push_back(format->namedAs);
    std::string sentence;
    for (size_t i = 0; i < ways.size(); ++i)
        sentence += (i == 0 ? "MODULE may also be " : i + 1 == ways.size() ? ", or " : ", ") +
                    std::string(ways[i]);
    return sentence.empty() ? sentence : sentence + ".";
}

const Format& formatOf(const std::string& name) {
    for (const Format* format : kFormats)
        if (format->recognises(name)) return *format;
    return moduleFormat;
}

std::unique_ptr<HostedEffect> loadEffect(const std::string& name, std::string& error) {
    return formatOf(name).load(name, error);
}
