// SPDX-License-Identifier: MIT
// `info` for a module: everything the effect reports to a host.

#include "host/formats/module/ModuleInfo.h"

#include <cstdio>
#include <cstring>

#include "host/formats/module/ModuleEffect.h"
#include "interface/EditorRect.h"
#include "interface/Opcodes.h"

namespace {
std::string fourChars(int32_t code) {
    std::string chars;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = char((uint32_t(code) >> shift) & 0xFF);
        chars += (c >= 32 && c < 127) ? c : '?';
    }
    return chars;
}

void printPin(ModuleEffect& effect, int32_t opcode, const char* kind, int32_t index) {
    char pin[128] = {};
    intptr_t known = effect.dispatch(opcode, index, 0, pin);
    pin[63] = 0;
    int32_t flags = 0;
    std::memcpy(&flags, pin + 64, sizeof flags);
    if (known)
        std::printf("%s pin %d: %s (flags %d)\n", kind, int(index), pin, int(flags));
    else
        std::printf("%s pin %d: none\n", kind, int(index));
}
}  // namespace

bool printModuleInfo(const std::string& path, std::string& error) {
    auto effect = ModuleEffect::create(path, error);
    if (!effect) return false;
    const EffectRecord& record = *effect->moduleRecord();
    std::printf("magic: 0x%08x\n", unsigned(record.magic));
    std::printf("programs: %d\n", int(record.numPrograms));
    std::printf("parameters: %d\n", int(record.numParams));
    std::printf("inputs: %d\n", int(record.numInputs));
    std::printf("outputs: %d\n", int(record.numOutputs));
    std::printf("flags: 0x%x\n", unsigned(record.flags));
    std::printf("unique id: %s\n", fourChars(record.uniqueId).c_str());
    std::printf("unique id hex: 0x%08x\n", unsigned(record.uniqueId));
    std::printf("version: %d\n", int(record.version));
    std::printf("ioRatio: %g\n", double(record.ioRatio));
    std::printf("effect name: %s\n", effect->text(opGetEffectName).c_str());
    std::printf("vendor: %s\n", effect->text(opGetVendorString).c_str());
    std::printf("product: %s\n", effect->text(opGetProductString).c_str());
    std::printf("vendor version: %d\n", int(effect->dispatch(opGetVendorVersion)));
    std::printf("interface version: %d\n", int(effect->dispatch(opInterfaceVersion)));
    std::printf("signature: 0x%08x\n", unsigned(effect->dispatch(opSignature)));
    std::printf("category: %d\n", int(effect->dispatch(opPluginCategory)));
    for (int32_t program = 0; program < record.numPrograms; ++program) {
        effect->dispatch(opSetProgram, 0, program);
        std::printf("program %d: %s\n", int(program), effect->text(opGetProgramName).c_str());
    }
    effect->dispatch(opSetProgram, 0, 0);
    for (int32_t program = 0; program < record.numPrograms; ++program)
        std::printf("program %d indexed: %s\n", int(program),
                    effect->text(opProgramNameAt, program, 0).c_str());
    for (int32_t pin = 0; pin < record.numInputs; ++pin)
        printPin(*effect, opInputProperties, "input", pin);
    for (int32_t pin = 0; pin < record.numOutputs; ++pin)
        printPin(*effect, opOutputProperties, "output", pin);
    for (const char* capability : {"receiveTimeInfo", "sendEvents", "plugAsChannelInsert"}) {
        char text[64];
        std::snprintf(text, sizeof text, "%s", capability);
        std::printf("can do %s: %d\n", capability, int(effect->dispatch(opCanDo, 0, 0, text)));
    }
    EditorRect* rect = nullptr;
    if (effect->dispatch(opEditorGetRect, 0, 0, &rect) && rect)
        std::printf("editor rect: %d x %d\n", rect->right - rect->left, rect->bottom - rect->top);
    else
        std::printf("editor rect: none\n");
    effect->close();
    return true;
}
