// SPDX-License-Identifier: MIT
#include "web/SoundWriteRelay.h"

#include <type_traits>

int32_t SoundWriteRelay::collect(SoundEvents& events, uint32_t* pairs, bool all) {
    int32_t count = 0;
    events.pairWith(events, [&](auto& field, auto&, int index) {
        uint64_t word = field.snapshot();
        auto writes = uint32_t(word >> 32);
        if (writes == sentWrites[index] && !(all && writes != 0)) return;
        sentWrites[index] = writes;
        pairs[2 * count] = uint32_t(index);
        pairs[2 * count + 1] = uint32_t(word);
        ++count;
    });
    return count;
}

bool SoundWriteRelay::apply(SoundEvents& events, int32_t index, uint32_t bits) {
    bool found = false;
    events.pairWith(events, [&](auto& field, auto&, int fieldIndex) {
        if (fieldIndex != index) return;
        field = std::remove_reference_t<decltype(field)>::valueOf(bits);
        found = true;
    });
    return found;
}
