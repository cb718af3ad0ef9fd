// SPDX-License-Identifier: MIT
#pragma once
// The plain functions whose addresses stand in the record. Each finds the
// effect object through the record's `object` field.

#include "interface/EffectRecord.h"

intptr_t dispatcherAdaptor(EffectRecord* record, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt);
void processAdaptor(EffectRecord* record, float** inputs, float** outputs, int32_t sampleFrames);
void processReplacingAdaptor(EffectRecord* record, float** inputs, float** outputs,
                             int32_t sampleFrames);
void setParameterAdaptor(EffectRecord* record, int32_t index, float value);
float getParameterAdaptor(EffectRecord* record, int32_t index);
