// SPDX-License-Identifier: MIT
#pragma once
// The input and time that the software platform reports, set by its window
// systems and by tests. Read and written on the interface thread only.

#include <cstdint>
#include <optional>

#include "gui/platform/platform.h"

namespace soft {

void setKeyDown(int32_t virtualKey, bool down);  // virtual keys 0 to 255
void setCursorPosition(platform::Pt screenPoint);
// While set, tickCount answers this value instead of the clock.
void setTickOverride(std::optional<uint32_t> ticks);
// While set, this stands for the screen's scale in screenScale.
void setScreenScaleOverride(std::optional<double> scale);

}  // namespace soft
