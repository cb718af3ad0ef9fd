// SPDX-License-Identifier: MIT
// The extended effect's calls into the host. Without a host callback each
// answers what callHost's 0 means for it, except where noted.

#include "interface/Opcodes.h"
#include "plugin/PluginEffectEx.h"

void PluginEffectEx::wantEvents(int32_t filter) { callHost(hostWantEvents, 0, filter); }

void* PluginEffectEx::getTimeInfo(int32_t filter) {
    return reinterpret_cast<void*>(callHost(hostGetTime, 0, filter));
}

int32_t PluginEffectEx::getTempoAt(int32_t position) {
    return int32_t(callHost(hostTempoAt, 0, position));
}

int32_t PluginEffectEx::getNumAutomatableParams() { return int32_t(callHost(hostNumAutomatable)); }
int32_t PluginEffectEx::getParamQuantization() { return int32_t(callHost(hostParamQuantization)); }
bool PluginEffectEx::ioChanged() { return callHost(hostIoChanged) != 0; }
bool PluginEffectEx::needIdle() { return callHost(hostNeedIdle) != 0; }

bool PluginEffectEx::sizeWindow(int32_t width, int32_t height) {
    return callHost(hostSizeWindow, width, height) != 0;
}

float PluginEffectEx::updateSampleRate() {
    callHost(hostGetSampleRate);
    return sampleRate;
}

int32_t PluginEffectEx::updateBlockSize() {
    callHost(hostGetBlockSize);
    return blockSize;
}

int32_t PluginEffectEx::getInputLatency() { return int32_t(callHost(hostInputLatency)); }
int32_t PluginEffectEx::getOutputLatency() { return int32_t(callHost(hostOutputLatency)); }

// The pin number is not sent: the host answers for the whole chain.
EffectRecord* PluginEffectEx::getPreviousPlug(int32_t) {
    return reinterpret_cast<EffectRecord*>(callHost(hostPreviousPlug));
}

EffectRecord* PluginEffectEx::getNextPlug(int32_t) {
    return reinterpret_cast<EffectRecord*>(callHost(hostNextPlug));
}

int32_t PluginEffectEx::getHostProcessMode() { return int32_t(callHost(hostProcessMode)); }
int32_t PluginEffectEx::getCurrentProcessLevel() { return int32_t(callHost(hostProcessLevel)); }
int32_t PluginEffectEx::getAutomationState() { return int32_t(callHost(hostAutomationState)); }

bool PluginEffectEx::offlineRead(void* task, int32_t option, bool readSource) {
    return callHost(hostOfflineRead, readSource ? 1 : 0, option, task) != 0;
}

bool PluginEffectEx::offlineWrite(void* task, int32_t option) {
    return callHost(hostOfflineWrite, 0, option, task) != 0;
}

bool PluginEffectEx::offlineStart(void* files, int32_t numFiles, int32_t numNewFiles) {
    return callHost(hostOfflineStart, numNewFiles, numFiles, files) != 0;
}

int32_t PluginEffectEx::offlineGetCurrentPass() {
    return callHost(hostOfflineCurrentPass) != 0 ? 1 : 0;
}

int32_t PluginEffectEx::offlineGetCurrentMetaPass() {
    return callHost(hostOfflineCurrentMetaPass) != 0 ? 1 : 0;
}

void PluginEffectEx::setOutputSampleRate(float rate) {
    callHost(hostSetOutputRate, 0, 0, nullptr, rate);
}

bool PluginEffectEx::getSpeakerArrangement(void* input, void* output) {
    return callHost(hostSpeakerArrangement, 0, reinterpret_cast<intptr_t>(input), output) != 0;
}

bool PluginEffectEx::getHostVendorString(char* text) {
    return callHost(hostVendorString, 0, 0, text) != 0;
}

bool PluginEffectEx::getHostProductString(char* text) {
    return callHost(hostProductString, 0, 0, text) != 0;
}

int32_t PluginEffectEx::getHostVendorVersion() { return int32_t(callHost(hostVendorVersion)); }

intptr_t PluginEffectEx::hostVendorSpecific(int32_t a, intptr_t b, void* p, float f) {
    return callHost(hostVendorSpecificCall, a, b, p, f);
}

int32_t PluginEffectEx::canHostDo(char* text) {
    return callHost(hostCanDo, 0, 0, text) != 0 ? 1 : 0;
}

int32_t PluginEffectEx::getHostLanguage() { return int32_t(callHost(hostLanguage)); }

void* PluginEffectEx::openHostWindow(void* window) {
    return reinterpret_cast<void*>(callHost(hostOpenWindow, 0, 0, window));
}

bool PluginEffectEx::closeHostWindow(void* window) {
    return callHost(hostCloseWindow, 0, 0, window) != 0;
}

void* PluginEffectEx::getHostDirectory() {
    return reinterpret_cast<void*>(callHost(hostDirectory));
}

bool PluginEffectEx::updateHostDisplay() { return callHost(hostUpdateDisplay) != 0; }

bool PluginEffectEx::sendEventsToHost(void* events) {
    return callHost(hostProcessEvents, 0, 0, events) == 1;
}
