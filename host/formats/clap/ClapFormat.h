// SPDX-License-Identifier: MIT
#pragma once
// CLAP plug-ins: a .clap file, its first plug-in.

#include "host/formats/Formats.h"

extern const Format clapFormat;

bool printClapInfo(const std::string& path, std::string& error);
