// SPDX-License-Identifier: MIT
#pragma once
// A stand-in for the module's entry and record, linked in place of the
// plug-in library under an adapter's tests (LV2, CLAP): its `pluginMain`
// makes records that keep every call made through them and answer as the
// test says (0 unless it says otherwise).

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "interface/EffectRecord.h"

// A dispatcher call, or a replacing process of `frames` (opcode kProcess).
struct RecordCall {
    static constexpr int32_t kProcess = -1;
    int32_t opcode, index = 0;
    intptr_t value = 0;
    float opt = 0.0f;
    int32_t frames = 0;
    bool operator==(const RecordCall&) const = default;
};
std::ostream& operator<<(std::ostream& out, const RecordCall& call);

// Every call through the records made so far, in order; a test clears it.
std::vector<RecordCall>& recordedCalls();

// How the records answer a dispatcher call; ptr is the call's own. A test
// sets it; clearing it makes every answer 0 again.
using RecordAnswer = std::function<intptr_t(int32_t opcode, intptr_t value, void* ptr)>;
RecordAnswer& recordAnswer();
