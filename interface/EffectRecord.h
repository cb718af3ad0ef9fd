// SPDX-License-Identifier: MIT
#pragma once
// The record a host reads and calls through, and the host's callback type.
// On 32-bit targets every field is exactly 4 bytes and the record is 144 bytes;
// on 64-bit targets pointers, the reserved words and the `value`/result
// integers widen to 8 bytes, which is what 64-bit hosts pass and read.

#include <cstddef>
#include <cstdint>

struct EffectRecord;

using HostCallback = intptr_t (*)(EffectRecord* effect, int32_t opcode, int32_t index,
                                  intptr_t value, void* ptr, float opt);
using DispatcherProc = intptr_t (*)(EffectRecord* effect, int32_t opcode, int32_t index,
                                    intptr_t value, void* ptr, float opt);
using ProcessProc = void (*)(EffectRecord* effect, float** inputs, float** outputs,
                             int32_t sampleFrames);
using SetParameterProc = void (*)(EffectRecord* effect, int32_t index, float value);
using GetParameterProc = float (*)(EffectRecord* effect, int32_t index);

struct EffectRecord {
    int32_t magic;
    DispatcherProc dispatcher;
    ProcessProc process;
    SetParameterProc setParameter;
    GetParameterProc getParameter;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    intptr_t reserved1;
    intptr_t reserved2;
    int32_t initialDelay;
    int32_t realtimeQualities;
    int32_t offlineQualities;
    float ioRatio;
    void* object;
    void* user;
    int32_t uniqueId;
    int32_t version;
    ProcessProc processReplacing;
    char future[60];
};

// Four-character codes, first character in the top byte.
constexpr int32_t fourCharCode(const char (&code)[5]) {
    return int32_t(uint32_t(uint8_t(code[0])) << 24 | uint32_t(uint8_t(code[1])) << 16 |
                   uint32_t(uint8_t(code[2])) << 8 | uint32_t(uint8_t(code[3])));
}

constexpr int32_t kEffectMagic = 0x56737450;

enum EffectFlag : int32_t {
    kFlagHasEditor = 0x1,
    kFlagHasClip = 0x2,
    kFlagHasVu = 0x4,
    kFlagCanMono = 0x8,
    kFlagCanReplacing = 0x10,
    kFlagProgramsAreChunks = 0x20,
    kFlagIsSynth = 0x100,
    kFlagNoTail = 0x200,
    kFlag0400 = 0x400,
    kFlag0800 = 0x800,
};

#if INTPTR_MAX == INT32_MAX
static_assert(offsetof(EffectRecord, magic) == 0);
static_assert(offsetof(EffectRecord, dispatcher) == 4);
static_assert(offsetof(EffectRecord, process) == 8);
static_assert(offsetof(EffectRecord, setParameter) == 12);
static_assert(offsetof(EffectRecord, getParameter) == 16);
static_assert(offsetof(EffectRecord, numPrograms) == 20);
static_assert(offsetof(EffectRecord, numParams) == 24);
static_assert(offsetof(EffectRecord, numInputs) == 28);
static_assert(offsetof(EffectRecord, numOutputs) == 32);
static_assert(offsetof(EffectRecord, flags) == 36);
static_assert(offsetof(EffectRecord, reserved1) == 40);
static_assert(offsetof(EffectRecord, reserved2) == 44);
static_assert(offsetof(EffectRecord, initialDelay) == 48);
static_assert(offsetof(EffectRecord, realtimeQualities) == 52);
static_assert(offsetof(EffectRecord, offlineQualities) == 56);
static_assert(offsetof(EffectRecord, ioRatio) == 60);
static_assert(offsetof(EffectRecord, object) == 64);
static_assert(offsetof(EffectRecord, user) == 68);
static_assert(offsetof(EffectRecord, uniqueId) == 72);
static_assert(offsetof(EffectRecord, version) == 76);
static_assert(offsetof(EffectRecord, processReplacing) == 80);
static_assert(offsetof(EffectRecord, future) == 84);
static_assert(sizeof(EffectRecord) == 144);
#else
static_assert(offsetof(EffectRecord, magic) == 0);
static_assert(offsetof(EffectRecord, dispatcher) == 8);
static_assert(offsetof(EffectRecord, process) == 16);
static_assert(offsetof(EffectRecord, setParameter) == 24);
static_assert(offsetof(EffectRecord, getParameter) == 32);
static_assert(offsetof(EffectRecord, numPrograms) == 40);
static_assert(offsetof(EffectRecord, numParams) == 44);
static_assert(offsetof(EffectRecord, numInputs) == 48);
static_assert(offsetof(EffectRecord, numOutputs) == 52);
static_assert(offsetof(EffectRecord, flags) == 56);
static_assert(offsetof(EffectRecord, reserved1) == 64);
static_assert(offsetof(EffectRecord, reserved2) == 72);
static_assert(offsetof(EffectRecord, initialDelay) == 80);
static_assert(offsetof(EffectRecord, realtimeQualities) == 84);
static_assert(offsetof(EffectRecord, offlineQualities) == 88);
static_assert(offsetof(EffectRecord, ioRatio) == 92);
static_assert(offsetof(EffectRecord, object) == 96);
static_assert(offsetof(EffectRecord, user) == 104);
static_assert(offsetof(EffectRecord, uniqueId) == 112);
static_assert(offsetof(EffectRecord, version) == 116);
static_assert(offsetof(EffectRecord, processReplacing) == 120);
static_assert(offsetof(EffectRecord, future) == 128);
static_assert(sizeof(EffectRecord) == 192);
#endif
