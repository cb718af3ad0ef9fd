// SPDX-License-Identifier: MIT
#include "plugin/RecordAdaptors.h"

#include "interface/Opcodes.h"
#include "plugin/PluginEffect.h"

namespace {
PluginEffect* effectOf(EffectRecord* record) {
    return static_cast<PluginEffect*>(record->object);
}
}  // namespace

intptr_t dispatcherAdaptor(EffectRecord* record, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt) {
    PluginEffect* effect = effectOf(record);
    intptr_t result = effect->dispatcher(opcode, index, value, ptr, opt);
    if (opcode == opClose) {
        delete effect;
        return 1;
    }
    return result;
}

void processAdaptor(EffectRecord* record, float** inputs, float** outputs, int32_t sampleFrames) {
    effectOf(record)->process(inputs, outputs, sampleFrames);
}

void processReplacingAdaptor(EffectRecord* record, float** inputs, float** outputs,
                             int32_t sampleFrames) {
    effectOf(record)->processReplacing(inputs, outputs, sampleFrames);
}

void setParameterAdaptor(EffectRecord* record, int32_t index, float value) {
    effectOf(record)->setParameter(index, value);
}

float getParameterAdaptor(EffectRecord* record, int32_t index) {
    return effectOf(record)->getParameter(index);
}
