// SPDX-License-Identifier: MIT
#pragma once
#include "interface/EffectRecord.h"

// What the exported `main` does; each platform's entry exports it under that name.
extern "C" EffectRecord* pluginMain(HostCallback hostCallback);
