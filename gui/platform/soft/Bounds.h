// SPDX-License-Identifier: MIT
#pragma once
// Rectangles of pixels that drawing touched, left and top included, right
// and bottom excluded: what a window must show again.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "gui/platform/platform.h"

namespace soft {

// A box from wide edges, which drawing far off the surface may give, held
// within what a Box can take.
inline platform::Box boxOf(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    auto narrow = [](int64_t v) {
        return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
    };
    return {narrow(left), narrow(top), narrow(right), narrow(bottom)};
}

inline bool isEmpty(const platform::Box& box) {
    return box.right <= box.left || box.bottom <= box.top;
}

// The smallest box holding both; an empty box adds nothing.
inline platform::Box unite(const platform::Box& a, const platform::Box& b) {
    if (isEmpty(a)) return b;
    if (isEmpty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

inline platform::Box clipTo(const platform::Box& box, int32_t width, int32_t height) {
    return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width),
            std::min(box.bottom, height)};
}

}  // namespace soft
