// SPDX-License-Identifier: MIT
// The checks that drive the module interface's opcodes without a window:
// loading, every opcode and programs.

#include <array>
#include <cstring>

#include "host/commands/check/Checks.h"
#include "host/formats/Formats.h"
#include "interface/Opcodes.h"

namespace {
constexpr int32_t kTextLimit = 256;
// The check command runs these only on formats whose effects have a record;
// one that has none all the same fails, and nothing is driven.
const char* const kNoRecord = "the effect has no record to drive";

intptr_t dispatch(EffectRecord& record, int32_t opcode, int32_t index = 0, intptr_t value = 0,
                  void* ptr = nullptr) {
    return record.dispatcher(&record, opcode, index, value, ptr, 0.0f);
}

bool answersText(int32_t opcode) {
    switch (opcode) {
    case opGetProgramName: case opGetParamLabel: case opGetParamDisplay: case opGetParamName:
    case opProgramNameAt: case opGetEffectName: case opGetErrorText: case opGetVendorString:
    case opGetProductString:
        return true;
    default:
        return false;
    }
}

std::string sweepOpcodes(const std::string& module, bool withBuffer) {
    std::string error;
    auto effect = loadEffect(module, error);
    if (!effect) return error;
    EffectRecord* record = effect->moduleRecord();
    if (!record) return kNoRecord;
    for (int32_t opcode = -1; opcode <= 80; ++opcode) {
        if (opcode == opClose) continue;
        std::array<char, 1024> buffer{};
        dispatch(*record, opcode, 0, 0, withBuffer ? buffer.data() : nullptr);
        // Whatever was handed over as a parent, the editor is closed again.
        if (opcode == opEditorOpen) dispatch(*record, opEditorClose);
        if (withBuffer && answersText(opcode) && !std::memchr(buffer.data(), 0, kTextLimit))
            return "opcode " + std::to_string(opcode) + " left no terminator in 256 bytes";
    }
    return "";
}

// The text `opcode` writes into a zeroed buffer, and its answer; false when
// the text has no terminator.
bool readText(EffectRecord& record, int32_t opcode, int32_t index, std::string& text,
              intptr_t& answer) {
    std::array<char, 1024> buffer{};
    answer = dispatch(record, opcode, index, 0, buffer.data());
    if (!std::memchr(buffer.data(), 0, kTextLimit)) return false;
    text = buffer.data();
    return true;
}
}  // namespace

std::string loadAndCloseRepeatedly(const std::string& module) {
    for (int run = 0; run < 100; ++run) {
        std::string error;
        auto effect = loadEffect(module, error);
        if (!effect) return "load " + std::to_string(run) + ": " + error;
        if (!effect->moduleRecord()) return kNoRecord;
        if (effect->moduleRecord()->magic != kEffectMagic)
            return "load " + std::to_string(run) + ": wrong magic";
    }
    return "";
}

std::string programsAtTheEnds(const std::string& module) {
    std::string error;
    auto effect = loadEffect(module, error);
    if (!effect) return error;
    if (!effect->moduleRecord()) return kNoRecord;
    EffectRecord& record = *effect->moduleRecord();
    const int32_t count = record.numPrograms;
    for (int32_t program : {-1, 0, 3, 4, 100}) {
        const std::string at = "program " + std::to_string(program) + ": ";
        const bool inRange = program >= 0 && program < count;
        const intptr_t before = dispatch(record, opGetProgram);
        dispatch(record, opSetProgram, 0, program);
        const intptr_t current = dispatch(record, opGetProgram);
        if (current != (inRange ? program : before))
            return at + "opcode 3 answers " + std::to_string(current);
        std::string name;
        intptr_t answer = 0;
        if (!readText(record, opGetProgramName, 0, name, answer))
            return at + "opcode 5 unterminated";
        if (!readText(record, opProgramNameAt, program, name, answer))
            return at + "opcode 29 unterminated";
        if ((answer != 0) != inRange || (!inRange && !name.empty()))
            return at + "opcode 29 answers " + std::to_string(answer) + " \"" + name + "\"";
        if ((dispatch(record, opCopyProgram, program) != 0) != inRange)
            return at + "opcode 30 answers wrongly";
    }
    return "";
}

std::string sweepWithBuffers(const std::string& module) { return sweepOpcodes(module, true); }

std::string sweepWithNulls(const std::string& module) { return sweepOpcodes(module, false); }
