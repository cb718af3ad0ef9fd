// SPDX-License-Identifier: MIT
// Where the build has no lilv (Windows): LV2 names are still known, and loading one says why not.

#include "host/formats/lv2/Lv2Format.h"

namespace {
const char* const kNoLv2 = "this build of skyrun-host loads no LV2 plug-ins";
}

const char* const kLv2Naming = nullptr;

std::unique_ptr<HostedEffect> loadLv2Plugin(const std::string&, std::string& error) {
    error = kNoLv2;
    return nullptr;
}

bool printLv2Info(const std::string&, std::string& error) {
    error = kNoLv2;
    return false;
}
