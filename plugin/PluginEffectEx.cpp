#include "plugin/PluginEffectEx.h"

#include "plugin/Opcodes.h"

namespace {
// Extended opcodes whose ptr is text or a record the effect fills; a null
// ptr gets 0 and the operation is not called.
bool needsPointer(int32_t opcode) {
    switch (opcode) {
    case opTextToParam:
    case opProgramNameAt:
    case opInputProperties:
    case opOutputProperties:
    case opGetEffectName:
    case opGetErrorText:
    case opGetVendorString:
    case opGetProductString:
    case opCanDo:
    case opParamProperties:
        return true;
    default:
        return false;
    }
}

intptr_t yesNo(bool answer) { return answer ? 1 : 0; }
intptr_t lowByte(bool answer) { return intptr_t(answer) & 0xFF; }
}  // namespace

PluginEffectEx::PluginEffectEx(HostCallback hostCallback, int32_t numPrograms, int32_t numParams)
    : PluginEffect(hostCallback, numPrograms, numParams) {}

PluginEffectEx::~PluginEffectEx() = default;

intptr_t PluginEffectEx::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                    float opt) {
    if (opcode < opProcessEvents || opcode > opInterfaceVersion)
        return PluginEffect::dispatcher(opcode, index, value, ptr, opt);
    if (ptr == nullptr && needsPointer(opcode)) return 0;
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case opProcessEvents: return processEvents(ptr);
    case opCanBeAutomated: return yesNo(canParameterBeAutomated(index));
    case opTextToParam: return yesNo(textToParameter(index, text));
    case opNumCategories: return getNumProgramCategories();
    case opProgramNameAt: return yesNo(getProgramNameIndexed(int32_t(value), index, text));
    case opCopyProgram: return yesNo(copyProgram(index));
    case opInputConnected: inputConnected(index, value != 0); return 1;
    case opOutputConnected: outputConnected(index, value != 0); return 1;
    case opInputProperties: return yesNo(getInputProperties(index, ptr));
    case opOutputProperties: return yesNo(getOutputProperties(index, ptr));
    case opPluginCategory: return getPluginCategory();
    case opCurrentPosition: return getCurrentPosition();
    case opDestinationBuffer: return reinterpret_cast<intptr_t>(getDestinationBuffer());
    case opOfflineNotify: return lowByte(offlineNotify(ptr, int32_t(value), index != 0));
    case opOfflinePrepare: return lowByte(offlinePrepare(ptr, int32_t(value)));
    case opOfflineRun: return lowByte(offlineRun(ptr, int32_t(value)));
    case opVariableIo: return yesNo(processVariableIo(ptr));
    case opSetSpeakers:
        return yesNo(setSpeakerArrangement(reinterpret_cast<void*>(value), ptr));
    case opSetBlockAndRate: setBlockSizeAndSampleRate(int32_t(value), opt); return 1;
    case opSetBypass: return yesNo(setBypass(value != 0));
    case opGetEffectName: return yesNo(getEffectName(text));
    case opGetErrorText: return yesNo(getErrorText(text));
    case opGetVendorString: return yesNo(getVendorString(text));
    case opGetProductString: return yesNo(getProductString(text));
    case opGetVendorVersion: return getVendorVersion();
    case opVendorSpecific: return vendorSpecific(index, value, ptr, opt);
    case opCanDo: return canDo(text);
    case opGetTailSize: return getTailSize();
    case opIdle: return onIdle();
    case opGetIcon: return reinterpret_cast<intptr_t>(getIcon());
    case opSetViewPosition: return yesNo(setViewPosition(index, int32_t(value)));
    case opParamProperties: return yesNo(getParameterProperties(index, ptr));
    case opNeedsKeys: return needsKeys() ? 0 : 1;
    case opInterfaceVersion: return getInterfaceVersion();
    default: return 0;
    }
}

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
