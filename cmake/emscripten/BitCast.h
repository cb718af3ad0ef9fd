// SPDX-License-Identifier: MIT
#pragma once
// Emscripten 3.1.6's C++ library has no std::bit_cast yet, though its
// compiler has the builtin behind it; the web build includes this first.

#include <bit>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <typename To, typename From>
constexpr To bit_cast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
