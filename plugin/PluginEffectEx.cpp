// SPDX-License-Identifier: MIT
#include "plugin/PluginEffectEx.h"

#include "interface/Opcodes.h"

PluginEffectEx::PluginEffectEx(HostCallback hostCallback, int32_t numPrograms, int32_t numParams)
    : PluginEffect(hostCallback, numPrograms, numParams) {}

PluginEffectEx::~PluginEffectEx() = default;

int32_t PluginEffectEx::processEvents(void*) { return 0; }
bool PluginEffectEx::canParameterBeAutomated(int32_t) { return true; }
bool PluginEffectEx::textToParameter(int32_t, char*) { return false; }
float PluginEffectEx::getChannelValue(int32_t, int32_t) { return 0.0f; }
int32_t PluginEffectEx::getNumProgramCategories() { return 1; }
bool PluginEffectEx::getProgramNameIndexed(int32_t, int32_t, char*) { return false; }
bool PluginEffectEx::copyProgram(int32_t) { return false; }
void PluginEffectEx::inputConnected(int32_t, bool) {}
void PluginEffectEx::outputConnected(int32_t, bool) {}
bool PluginEffectEx::getInputProperties(int32_t, void*) { return false; }
bool PluginEffectEx::getOutputProperties(int32_t, void*) { return false; }
int32_t PluginEffectEx::getPluginCategory() { return hasFlag(kFlagIsSynth) ? 2 : 0; }
void PluginEffectEx::setFlag0400(bool state) { setFlag(kFlag0400, state); }
void PluginEffectEx::setFlag0800(bool state) { setFlag(kFlag0800, state); }
int32_t PluginEffectEx::getCurrentPosition() { return 0; }
float* PluginEffectEx::getDestinationBuffer() { return nullptr; }
bool PluginEffectEx::offlineNotify(void*, int32_t, bool) { return false; }
bool PluginEffectEx::offlinePrepare(void*, int32_t) { return false; }
bool PluginEffectEx::offlineRun(void*, int32_t) { return false; }
int32_t PluginEffectEx::offlineGetNumPasses() { return 0; }
int32_t PluginEffectEx::offlineGetNumMetaPasses() { return 0; }
void PluginEffectEx::setIsSynth(bool state) { setFlag(kFlagIsSynth, state); }
void PluginEffectEx::setNoTail(bool state) { setFlag(kFlagNoTail, state); }
bool PluginEffectEx::processVariableIo(void*) { return false; }
bool PluginEffectEx::setSpeakerArrangement(void*, void*) { return false; }
void PluginEffectEx::setBlockSizeAndSampleRate(int32_t size, float rate) {
    blockSize = size;
    sampleRate = rate;
}
bool PluginEffectEx::setBypass(bool) { return false; }
bool PluginEffectEx::getEffectName(char*) { return false; }
bool PluginEffectEx::getErrorText(char*) { return false; }
bool PluginEffectEx::getVendorString(char*) { return false; }
bool PluginEffectEx::getProductString(char*) { return false; }
int32_t PluginEffectEx::getVendorVersion() { return 0; }
intptr_t PluginEffectEx::vendorSpecific(int32_t, intptr_t, void*, float) { return 0; }
int32_t PluginEffectEx::canDo(char*) { return 0; }
void* PluginEffectEx::getIcon() { return nullptr; }
bool PluginEffectEx::setViewPosition(int32_t, int32_t) { return false; }
int32_t PluginEffectEx::getTailSize() { return 0; }
int32_t PluginEffectEx::onIdle() { return 0; }
bool PluginEffectEx::getParameterProperties(int32_t, void*) { return false; }
bool PluginEffectEx::needsKeys() { return false; }
int32_t PluginEffectEx::getInterfaceVersion() { return 2; }
