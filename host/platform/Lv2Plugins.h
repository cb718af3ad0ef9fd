#pragma once
// LV2 plug-ins, named by a bundle folder or a plug-in URI, loaded through
// lilv where the platform has it; elsewhere both calls say it has not.

#include <memory>
#include <string>

#include "host/HostedEffect.h"

// Null with `error` naming the cause.
std::unique_ptr<HostedEffect> loadLv2Plugin(const std::string& name, std::string& error);
// Prints what an LV2 host reads of the plug-in's data, one `name: value` a
// line; false with `error` naming the cause.
bool printLv2Info(const std::string& name, std::string& error);
