// SPDX-License-Identifier: MIT
#pragma once
// LV2 plug-ins, named by a bundle folder or a plug-in URI and loaded through
// lilv where the platform has it; elsewhere loading says it has not.

#include "host/formats/Formats.h"

extern const Format lv2Format;

std::unique_ptr<HostedEffect> loadLv2Plugin(const std::string& name, std::string& error);
bool printLv2Info(const std::string& name, std::string& error);
// How the usage text names an LV2 plug-in; null where this build loads none.
extern const char* const kLv2Naming;
