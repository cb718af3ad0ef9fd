// SPDX-License-Identifier: MIT
// A module whose main gives no effect, as a module does whose host is refused.
#include "interface/EffectRecord.h"

extern "C" EffectRecord* nullMain(HostCallback) { return nullptr; }

#ifndef _WIN32
extern "C" __attribute__((visibility("default"))) EffectRecord* exportedMain(HostCallback)
    __asm__("main");
extern "C" EffectRecord* exportedMain(HostCallback callback) { return nullMain(callback); }
#endif
