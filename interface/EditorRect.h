// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

#include "interface/EffectRecord.h"

// The editor's size as the host reads it, through the pointer that
// the editor hands out.
struct EditorRect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};

// The host's display scale for the editor, from hosts and adapters that know
// it (LV2's ui:scaleFactor): opcode 50 with index kEditorScaleIndex, value
// kEditorScaleValue and the scale in opt. The editor then shows at the nearest
// whole zoom, and the rectangle grows with it; a scale of 0 gives the choice
// back to the user's and the screen's settings. Answers 1 when taken.
constexpr int32_t kEditorScaleIndex = fourCharCode("Skyr");
constexpr intptr_t kEditorScaleValue = fourCharCode("Scal");
