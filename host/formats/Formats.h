// SPDX-License-Identifier: MIT
#pragma once
// The plug-in formats skyrun-host loads, a row each: how a name is known as
// the format's, how it loads, what `info` prints of it, and which of
// `check`'s checks apply. Commands go through the rows and never ask which
// format they hold.

#include <memory>
#include <string>

#include "host/formats/HostedEffect.h"

struct Format {
    // How the format's plug-ins are named in a sentence ("an LV2 plug-in").
    const char* plugin;
    // Whether `name`, a path or URI, is one of this format's plug-ins.
    bool (*recognises)(const std::string& name);
    // Null with `error` naming the cause.
    std::unique_ptr<HostedEffect> (*load)(const std::string& name, std::string& error);
    // What a host reads of the plug-in, one `name: value` a line; false with
    // `error` naming the cause.
    bool (*printInfo)(const std::string& name, std::string& error);
    // Whether the checks that drive the module interface's opcodes apply.
    bool speaksOpcodes;
};

// The row of the first format that recognises `name`.
const Format& formatOf(const std::string& name);
std::unique_ptr<HostedEffect> loadEffect(const std::string& name, std::string& error);
