// SPDX-License-Identifier: MIT
// Drives one effect through its dispatcher with calls made from the input:
// each call reads a flags byte, the opcode, index, value, opt and the text
// behind ptr. Close only ever ends the input; the editor opens without a
// parent window and is closed again at once, as hosts do.

#include <cstddef>
#include <cstdint>

#include <fuzzer/FuzzedDataProvider.h>

#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"

namespace {
// Hosts hand buffers of at least this size for texts and records.
constexpr size_t kBufferBytes = 1024;
constexpr uint8_t kNullPointer = 0x1;
// A few past the last known opcode, which must be ignored like any other.
constexpr int32_t kHighestOpcode = opInterfaceVersion + 4;

intptr_t plainHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}

void dispatch(EffectRecord* effect, FuzzedDataProvider& input) {
    uint8_t flags = input.ConsumeIntegral<uint8_t>();
    int32_t opcode = input.ConsumeIntegralInRange<int32_t>(0, kHighestOpcode);
    int32_t index = input.ConsumeIntegral<int32_t>();
    auto value = input.ConsumeIntegral<intptr_t>();
    float opt = input.ConsumeFloatingPoint<float>();
    char buffer[kBufferBytes] = {};
    size_t textBytes = input.ConsumeIntegralInRange<size_t>(0, kBufferBytes - 1);
    input.ConsumeData(buffer, textBytes);
    void* ptr = (flags & kNullPointer) ? nullptr : buffer;

    if (opcode == opClose) return;
    if (opcode == opEditorOpen) {
        effect->dispatcher(effect, opEditorOpen, index, value, nullptr, opt);
        effect->dispatcher(effect, opEditorClose, 0, 0, nullptr, 0.0f);
        return;
    }
    effect->dispatcher(effect, opcode, index, value, ptr, opt);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EffectRecord* effect = pluginMain(plainHost);
    if (!effect) return 0;
    FuzzedDataProvider input(data, size);
    effect->dispatcher(effect, opOpen, 0, 0, nullptr, 0.0f);
    while (input.remaining_bytes() > 0) dispatch(effect, input);
    effect->dispatcher(effect, opClose, 0, 0, nullptr, 0.0f);
    return 0;
}
