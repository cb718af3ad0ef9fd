// SPDX-License-Identifier: MIT
#include "tests/support/RecordingHost.h"

#include "interface/Opcodes.h"

namespace {
RecordingHost* current = nullptr;
}

RecordingHost::RecordingHost()
    : answer([](const HostCall& call) -> intptr_t { return call.opcode == hostVersion ? 2400 : 0; }) {
    current = this;
}

RecordingHost::~RecordingHost() { current = nullptr; }

intptr_t RecordingHost::callback(EffectRecord* effect, int32_t opcode, int32_t index,
                                 intptr_t value, void* ptr, float opt) {
    if (!current) return 0;
    HostCall call{effect, opcode, index, value, ptr, opt};
    current->calls.push_back(call);
    return current->answer(call);
}
