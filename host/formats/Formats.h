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
    // How a user names one of its plug-ins, for the usage text ("a .clap
    // file"); null for the format that takes any file, or one this build
    // cannot load.
    const char* namedAs;
    // Whether its effects have the module interface's record
    // (HostedEffect::moduleRecord), so that `check` drives their opcodes;
    // known without loading, as `check` must choose its checks even for a
    // plug-in that cannot load.
    bool hasRecord;
};

// "MODULE may also be X, or Y.": the formats' ways of naming a plug-in, for
// the usage text; empty when there is only the module.
std::string otherFormatsSentence();
// The row of the first format that recognises `name`.
const Format& formatOf(const std::string& name);
std::unique_ptr<HostedEffect> loadEffect(const std::string& name, std::string& error);
