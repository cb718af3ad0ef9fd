// The checks of `check MODULE` that drive the module's interface without a
// window: loading, every opcode, programs and audio.

#include "host/commands/ModuleChecks.h"

#include <array>
#include <cstring>

#include "host/ModuleEffect.h"
#include "host/commands/BlockCheck.h"
#include "interface/Opcodes.h"

namespace {
constexpr int32_t kTextLimit = 256;

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
    auto effect = ModuleEffect::create(module, error);
    if (!effect) return error;
    for (int32_t opcode = -1; opcode <= 80; ++opcode) {
        if (opcode == opClose) continue;
        std::array<char, 1024> buffer{};
        effect->dispatch(opcode, 0, 0, withBuffer ? buffer.data() : nullptr, 0.0f);
        // Whatever was handed over as a parent, the editor is closed again.
        if (opcode == opEditorOpen) effect->dispatch(opEditorClose);
        if (withBuffer && answersText(opcode) && !std::memchr(buffer.data(), 0, kTextLimit))
            return "opcode " + std::to_string(opcode) + " left no terminator in 256 bytes";
    }
    return "";
}

// The text `opcode` writes into a zeroed buffer, and its answer; false when
// the text has no terminator.
bool readText(ModuleEffect& effect, int32_t opcode, int32_t index, std::string& text,
              intptr_t& answer) {
    std::array<char, 1024> buffer{};
    answer = effect.dispatch(opcode, index, 0, buffer.data());
    if (!std::memchr(buffer.data(), 0, kTextLimit)) return false;
    text = buffer.data();
    return true;
}

}  // namespace

std::string loadAndCloseRepeatedly(const std::string& module) {
    for (int run = 0; run < 100; ++run) {
        std::string error;
        auto effect = ModuleEffect::create(module, error);
        if (!effect) return "load " + std::to_string(run) + ": " + error;
        if (effect->record().magic != kEffectMagic)
            return "load " + std::to_string(run) + ": wrong magic";
        effect->close();
    }
    return "";
}

std::string programsAtTheEnds(const std::string& module) {
    std::string error;
    auto effect = ModuleEffect::create(module, error);
    if (!effect) return error;
    const int32_t count = effect->record().numPrograms;
    for (int32_t program : {-1, 0, 3, 4, 100}) {
        const std::string at = "program " + std::to_string(program) + ": ";
        const bool inRange = program >= 0 && program < count;
        const intptr_t before = effect->dispatch(opGetProgram);
        effect->dispatch(opSetProgram, 0, program);
        const intptr_t current = effect->dispatch(opGetProgram);
        if (current != (inRange ? program : before))
            return at + "opcode 3 answers " + std::to_string(current);
        std::string name;
        intptr_t answer = 0;
        if (!readText(*effect, opGetProgramName, 0, name, answer))
            return at + "opcode 5 unterminated";
        if (!readText(*effect, opProgramNameAt, program, name, answer))
            return at + "opcode 29 unterminated";
        if ((answer != 0) != inRange || (!inRange && !name.empty()))
            return at + "opcode 29 answers " + std::to_string(answer) + " \"" + name + "\"";
        if ((effect->dispatch(opCopyProgram, program) != 0) != inRange)
            return at + "opcode 30 answers wrongly";
    }
    return "";
}

std::string audioPassesThrough(const std::string& module) {
    std::string error;
    auto effect = ModuleEffect::create(module, error);
    if (!effect) return error;
    EffectRecord& record = effect->record();
    effect->dispatch(opOpen);
    for (float rate : {8000.0f, 44100.0f, 96000.0f, 384000.0f})
        for (int32_t frames : {0, 1, 7, 512, 4096}) {
            effect->dispatch(opSuspendResume, 0, 0);
            effect->dispatch(opSetSampleRate, 0, 0, nullptr, rate);
            effect->dispatch(opSetBlockSize, 0, frames);
            effect->dispatch(opSuspendResume, 0, 1);
            for (const TestSignal& signal : kTestSignals)
                for (bool replacing : {true, false}) {
                    std::string why = runBlock(
                        [&](float** in, float** out, int32_t count) {
                            (replacing ? record.processReplacing : record.process)(&record, in,
                                                                                   out, count);
                        },
                        replacing ? BlockBuffers::replacing : BlockBuffers::accumulating, frames,
                        signal);
                    if (!why.empty())
                        return std::string(replacing ? "replacing" : "accumulating") + " at " +
                               std::to_string(int(rate)) + " Hz, block " +
                               std::to_string(frames) + ", " + signal.name + ": " + why;
                }
        }
    effect->dispatch(opSuspendResume, 0, 0);
    return "";
}

std::string sweepWithBuffers(const std::string& module) { return sweepOpcodes(module, true); }

std::string sweepWithNulls(const std::string& module) { return sweepOpcodes(module, false); }
