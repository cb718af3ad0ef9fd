#include "tests/support/RecordingModule.h"

#include "plugin/PluginMain.h"

namespace {
intptr_t dispatch(EffectRecord*, int32_t opcode, int32_t index, intptr_t value, void*, float opt) {
    recordingModule().calls.push_back({opcode, index, value, opt});
    return 0;
}

void processReplacing(EffectRecord*, float**, float**, int32_t frames) {
    recordingModule().calls.push_back(processed(frames));
}
}  // namespace

std::ostream& operator<<(std::ostream& out, const RecordCall& call) {
    if (call.opcode == RecordCall::kProcess) return out << "process(" << call.frames << ")";
    return out << "opcode " << call.opcode << "(index " << call.index << ", value " << call.value
               << ", opt " << call.opt << ")";
}

RecordingModule& recordingModule() {
    static RecordingModule module;
    return module;
}

extern "C" EffectRecord* pluginMain(HostCallback) {
    auto& record = recordingModule().records.emplace_back(std::make_unique<EffectRecord>());
    record->magic = kEffectMagic;
    record->dispatcher = dispatch;
    record->processReplacing = processReplacing;
    record->numInputs = record->numOutputs = 2;
    record->flags = kFlagCanReplacing;
    return record.get();
}
