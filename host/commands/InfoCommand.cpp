// SPDX-License-Identifier: MIT
// `info MODULE`: everything the plug-in reports to a host, one `name: value`
// a line, as its format tells it.

#include "host/commands/Commands.h"
#include "host/formats/Formats.h"

namespace {
int runInfo(const CommandLine& line) {
    std::string error;
    if (formatOf(line.module()).printInfo(line.module(), error)) return 0;
    return failed(line.module(), error);
}
}  // namespace

const Command infoCommand{"info", "what the effect reports to a host", {}, runInfo};
