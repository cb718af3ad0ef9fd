// SPDX-License-Identifier: MIT
#include "plugin/PluginEffect.h"

#include <cstring>

#include "gui/EditorBase.h"
#include "interface/Opcodes.h"
#include "plugin/RecordAdaptors.h"

PluginEffect::PluginEffect(HostCallback hostCallback, int32_t numPrograms, int32_t numParams)
    : hostCallback(hostCallback), numPrograms(numPrograms), numParams(numParams) {
    std::memset(&record, 0, sizeof record);
    record.magic = kEffectMagic;
    record.dispatcher = dispatcherAdaptor;
    record.process = processAdaptor;
    record.setParameter = setParameterAdaptor;
    record.getParameter = getParameterAdaptor;
    record.numPrograms = numPrograms;
    record.numParams = numParams;
    record.numInputs = 1;
    record.numOutputs = 2;
    record.ioRatio = 1.0f;
    record.object = this;
    record.user = nullptr;
    record.uniqueId = 0x4E6F4566;
    record.version = 1;
    record.processReplacing = processReplacingAdaptor;
}

PluginEffect::~PluginEffect() {
    delete editor;
}

void PluginEffect::setEditor(EditorBase* newEditor) {
    editor = newEditor;
    setFlag(kFlagHasEditor, newEditor != nullptr);
}

void PluginEffect::setFlag(int32_t flag, bool state) {
    if (state)
        record.flags |= flag;
    else
        record.flags &= ~flag;
}

intptr_t PluginEffect::callHost(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt) {
    return hostCallback ? hostCallback(&record, opcode, index, value, ptr, opt) : 0;
}

void PluginEffect::setParameter(int32_t, float) {}
float PluginEffect::getParameter(int32_t) { return 0.0f; }

void PluginEffect::setParameterAutomated(int32_t index, float value) {
    setParameter(index, value);
    callHost(hostAutomate, index, 0, nullptr, value);
}

void PluginEffect::processReplacing(float**, float**, int32_t) {}
void PluginEffect::open() {}
void PluginEffect::close() {}
int32_t PluginEffect::getProgram() { return curProgram; }
void PluginEffect::setProgram(int32_t program) { curProgram = program; }
void PluginEffect::setProgramName(char* name) { *name = 0; }
void PluginEffect::getProgramName(char* name) { *name = 0; }
void PluginEffect::getParameterLabel(int32_t, char* label) { *label = 0; }
void PluginEffect::getParameterDisplay(int32_t, char* text) { *text = 0; }
void PluginEffect::getParameterName(int32_t, char* text) { *text = 0; }
float PluginEffect::getVu() { return 0.0f; }
int32_t PluginEffect::getChunk(void**, bool) { return 0; }
int32_t PluginEffect::setChunk(void*, int32_t, bool) { return 0; }
void PluginEffect::setSampleRate(float rate) { sampleRate = rate; }
void PluginEffect::setBlockSize(int32_t size) { blockSize = size; }
void PluginEffect::suspend() {}
void PluginEffect::resume() {}
void PluginEffect::setUniqueId(int32_t id) { record.uniqueId = id; }
void PluginEffect::setNumInputs(int32_t count) { record.numInputs = count; }
void PluginEffect::setNumOutputs(int32_t count) { record.numOutputs = count; }
void PluginEffect::setHasVu(bool state) { setFlag(kFlagHasVu, state); }
void PluginEffect::setHasClip(bool state) { setFlag(kFlagHasClip, state); }
void PluginEffect::setCanMono(bool state) { setFlag(kFlagCanMono, state); }
void PluginEffect::setCanReplacing(bool state) { setFlag(kFlagCanReplacing, state); }
void PluginEffect::setProgramsAreChunks(bool state) { setFlag(kFlagProgramsAreChunks, state); }
void PluginEffect::setRealtimeQualities(int32_t qualities) { record.realtimeQualities = qualities; }
void PluginEffect::setOfflineQualities(int32_t qualities) { record.offlineQualities = qualities; }
void PluginEffect::setInitialDelay(int32_t delay) { record.initialDelay = delay; }
float PluginEffect::getSampleRate() { return sampleRate; }
int32_t PluginEffect::getBlockSize() { return blockSize; }

int32_t PluginEffect::getHostVersion() {
    if (!hostCallback) return 1;
    int32_t version = int32_t(callHost(hostVersion));
    return version == 0 ? 1 : version;
}

int32_t PluginEffect::getHostCurrentId() { return int32_t(callHost(hostCurrentId)); }
void PluginEffect::hostIdle() { callHost(hostIdleCall); }
bool PluginEffect::isInputConnected(int32_t input) {
    return callHost(hostPinConnected, input, 0) == 0;
}
bool PluginEffect::isOutputConnected(int32_t output) {
    return callHost(hostPinConnected, output, 1) == 0;
}
