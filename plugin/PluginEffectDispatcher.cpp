// SPDX-License-Identifier: MIT
// The host's requests 0 to 24 (through the record's dispatcher), each turned
// into the effect's virtual operation or its editor's; any other opcode
// answers 0.

#include "gui/EditorBase.h"
#include "interface/Opcodes.h"
#include "plugin/PluginEffect.h"

namespace {
// Opcodes whose ptr the effect reads as text or writes through; a host that
// passes null for them gets 0 and nothing is touched.
bool needsPointer(int32_t opcode) {
    switch (opcode) {
    case opSetProgramName:
    case opGetProgramName:
    case opGetParamLabel:
    case opGetParamDisplay:
    case opGetParamName:
    case opEditorGetRect:
    case opGetChunk:
        return true;
    default:
        return false;
    }
}

// The meter's level as the host reads it: scaled and truncated toward zero,
// held within int32 so that odd levels cannot overflow the conversion.
int32_t meterReading(float level) {
    double scaled = double(level) * 32767.0;
    if (!(scaled == scaled)) return 0;
    if (scaled >= 2147483647.0) return INT32_MAX;
    if (scaled <= -2147483648.0) return INT32_MIN;
    return int32_t(scaled);
}
}  // namespace

intptr_t PluginEffect::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                  float opt) {
    if (ptr == nullptr && needsPointer(opcode)) return 0;
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case opOpen: open(); break;
    case opClose: close(); break;
    case opSetProgram:
        if (value >= 0 && value < numPrograms) setProgram(int32_t(value));
        break;
    case opGetProgram: return getProgram();
    case opSetProgramName: setProgramName(text); break;
    case opGetProgramName: getProgramName(text); break;
    case opGetParamLabel: getParameterLabel(index, text); break;
    case opGetParamDisplay: getParameterDisplay(index, text); break;
    case opGetParamName: getParameterName(index, text); break;
    case opGetVu: return meterReading(getVu());
    case opSetSampleRate: setSampleRate(opt); break;
    case opSetBlockSize: setBlockSize(int32_t(value)); break;
    case opSuspendResume:
        if (value == 0)
            suspend();
        else
            resume();
        break;
    case opEditorGetRect:
        return editor ? editor->editorRect(static_cast<EditorRect**>(ptr)) : 0;
    case opEditorOpen: return editor ? editor->open(ptr) : 0;
    case opEditorClose:
        if (editor) editor->close();
        break;
    case opEditorIdle:
        if (editor) editor->idle();
        break;
    case opSignature: return kEffectSignature;
    case opGetChunk: return getChunk(static_cast<void**>(ptr), index != 0);
    case opSetChunk: return setChunk(ptr, int32_t(value), index != 0);
    default: break;
    }
    return 0;
}
