#pragma once
// A stand-in for the module's entry and record, for testing what an adapter
// (LV2, CLAP) tells the effect: linked in place of the plug-in library, its
// `pluginMain` makes records that answer 0 and keep every call made through
// them, in order, for the test to compare with the conversation it expects.

#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "interface/EffectRecord.h"

// One call through a record: a dispatcher opcode with its arguments, or a
// replacing process of `frames` (opcode -1).
struct RecordCall {
    static constexpr int32_t kProcess = -1;
    int32_t opcode;
    int32_t index = 0;
    intptr_t value = 0;
    float opt = 0.0f;
    int32_t frames = 0;
    bool operator==(const RecordCall&) const = default;
};
inline RecordCall processed(int32_t frames) { return {RecordCall::kProcess, 0, 0, 0.0f, frames}; }
std::ostream& operator<<(std::ostream& out, const RecordCall& call);

struct RecordingModule {
    std::vector<RecordCall> calls;  // through every record made, in order
    std::vector<std::unique_ptr<EffectRecord>> records;
};

// The one stand-in `pluginMain` records into; a test clears it first.
RecordingModule& recordingModule();
