// SPDX-License-Identifier: MIT
#include "host/commands/Commands.h"

const OptionSpec zoomOption{"--zoom", "N", "shows the editor N times its size, 1 to 4"};

bool readZoom(const CommandLine& line, int32_t& zoom) {
    zoom = 0;
    if (!line.has(zoomOption.name)) return true;
    const double asked = line.number(zoomOption.name, 0);
    for (int32_t whole = 1; whole <= 4; ++whole)
        if (asked == whole) zoom = whole;
    return zoom != 0;
}
