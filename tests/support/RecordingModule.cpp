// SPDX-License-Identifier: MIT
#include "tests/support/RecordingModule.h"

#include <memory>

#include "plugin/PluginMain.h"

std::ostream& operator<<(std::ostream& out, const RecordCall& call) {
    if (call.opcode == RecordCall::kProcess) return out << "process " << call.frames;
    return out << "opcode " << call.opcode << " (" << call.index << ", " << call.value << ", "
               << call.opt << ")";
}

std::vector<RecordCall>& recordedCalls() {
    static std::vector<RecordCall> calls;
    return calls;
}

RecordAnswer& recordAnswer() {
    static RecordAnswer answer;
    return answer;
}

extern "C" EffectRecord* pluginMain(HostCallback) {
    // Kept to the end: closing a record frees nothing here.
    static std::vector<std::unique_ptr<EffectRecord>> records;
    auto& record = records.emplace_back(std::make_unique<EffectRecord>());
    record->magic = kEffectMagic;
    record->dispatcher = [](EffectRecord*, int32_t opcode, int32_t index, intptr_t value,
                            void* ptr, float opt) -> intptr_t {
        recordedCalls().push_back({opcode, index, value, opt});
        return recordAnswer() ? recordAnswer()(opcode, value, ptr) : 0;
    };
    record->processReplacing = [](EffectRecord*, float**, float**, int32_t frames) {
        recordedCalls().push_back({RecordCall::kProcess, 0, 0, 0.0f, frames});
    };
    record->numInputs = record->numOutputs = 2;
    record->flags = kFlagCanReplacing;
    return record.get();
}
