// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <optional>

namespace platform::win32 {
// The clock tests set through the test desktop; empty means the real one.
inline std::optional<uint32_t>& tickOverride() {
    static std::optional<uint32_t> ticks;
    return ticks;
}
// The screen's scale tests set through the test desktop; empty means the real one.
inline std::optional<double>& screenScaleOverride() {
    static std::optional<double> scale;
    return scale;
}
}  // namespace platform::win32
