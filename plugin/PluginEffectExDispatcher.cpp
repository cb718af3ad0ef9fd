// SPDX-License-Identifier: MIT
// The host's extended requests 25 to 58; every other opcode goes to the
// base's dispatcher.

#include "interface/Opcodes.h"
#include "plugin/PluginEffectEx.h"

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
