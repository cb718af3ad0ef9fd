// SPDX-License-Identifier: MIT
// The millisecond tick count: a steady clock, wrapping at 32 bits like
// GetTickCount, unless a test has fixed it.

#include <chrono>

#include "gui/platform/soft/InputState.h"

namespace soft {

namespace {
std::optional<uint32_t> tickOverride;
}

void setTickOverride(std::optional<uint32_t> ticks) { tickOverride = ticks; }

}  // namespace soft

namespace platform {

uint32_t tickCount() {
    if (soft::tickOverride) return *soft::tickOverride;
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace platform
