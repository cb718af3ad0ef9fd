// SPDX-License-Identifier: MIT
#pragma once
// A host callback for tests: records every call and answers through a
// function the test sets (version 2400 and 0 otherwise by default). One
// instance is current at a time.

#include <functional>
#include <vector>

#include "interface/EffectRecord.h"

struct HostCall {
    EffectRecord* effect;
    int32_t opcode;
    int32_t index;
    intptr_t value;
    void* ptr;
    float opt;
};

class RecordingHost {
public:
    RecordingHost();
    ~RecordingHost();

    static intptr_t callback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                             void* ptr, float opt);

    std::vector<HostCall> calls;
    std::function<intptr_t(const HostCall&)> answer;
};
