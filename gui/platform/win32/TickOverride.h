#pragma once
#include <cstdint>
#include <optional>

namespace platform::win32 {
// The clock tests set through the test desktop; empty means the real one.
inline std::optional<uint32_t>& tickOverride() {
    static std::optional<uint32_t> ticks;
    return ticks;
}
}  // namespace platform::win32
