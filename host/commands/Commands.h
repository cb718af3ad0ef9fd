// SPDX-License-Identifier: MIT
#pragma once
// The commands of skyrun-host, in the order its help lists them.

#include <cstdint>

#include "host/CommandLine.h"

extern const Command infoCommand;
extern const Command renderCommand;
extern const Command editorCommand;
extern const Command demoCommand;
extern const Command playCommand;
extern const Command checkCommand;

// The window commands' --zoom N: 0 when not given; false when it is not 1 to 4.
extern const OptionSpec zoomOption;
bool readZoom(const CommandLine& line, int32_t& zoom);
