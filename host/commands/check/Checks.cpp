// SPDX-License-Identifier: MIT
#include "host/commands/check/Checks.h"

namespace {
const Check kTable[] = {
    {"load and close 100 times", loadAndCloseRepeatedly, CheckFor::opcodes},
    {"every opcode with a zeroed buffer", sweepWithBuffers, CheckFor::needsOpcodes},
    {"every opcode with a null pointer", sweepWithNulls, CheckFor::needsOpcodes},
    {"programs at and past the ends", programsAtTheEnds, CheckFor::needsOpcodes},
    {"audio passes through unchanged", audioPassesThrough, CheckFor::opcodes},
    {"editor opened and closed 200 times with audio", editorOpenedRepeatedly, CheckFor::opcodes},
    {"two editors open at once", twoEditorsAtOnce, CheckFor::opcodes},
    {"editor whose window the host destroyed first", editorAfterWindowDestroyed,
     CheckFor::opcodes},
    {"instantiate, activate and clean up 100 times", startAndCloseRepeatedly,
     CheckFor::instances},
    {"audio passes through unchanged, in place too", audioPassesThroughInPlace,
     CheckFor::instances},
    {"UI opened and closed 200 times with audio", editorOpenedRepeatedly, CheckFor::instances},
    {"two instances with their UIs at once", twoEditorsAtOnce, CheckFor::instances},
    {"UI whose window the host destroyed first", editorAfterWindowDestroyed,
     CheckFor::instances},
};
}  // namespace

const std::span<const Check> kChecks = kTable;
