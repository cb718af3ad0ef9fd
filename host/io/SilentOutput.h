// SPDX-License-Identifier: MIT
#pragma once
// The stand-in for a sound device: blocks asked for at a device's pace and dropped.

#include "host/platform/AudioOutput.h"

std::unique_ptr<AudioOutput> openSilentOutput(int32_t rate, int32_t block, RenderBlock render);
