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

// Requests about the editor from hosts and adapters that know more than the
// module's own opcodes tell: opcode 50 with index kEditorQueryIndex and one
// of the values below. Each answers 1 when taken, 0 otherwise.
constexpr int32_t kEditorQueryIndex = fourCharCode("Skyr");
// The host's display scale, in opt (LV2's ui:scaleFactor, CLAP's set_scale).
// The editor then shows at the nearest whole zoom, and the rectangle grows
// with it; a scale of 0 gives the choice back to the user's and the screen's
// settings.
constexpr intptr_t kEditorScaleValue = fourCharCode("Scal");
// The editor's own window while open, written through ptr (a void**): the
// native handle (an HWND, an X11 window id) that hosts embed, show and hide.
constexpr intptr_t kEditorWindowValue = fourCharCode("Wind");
// Shows or hides the open editor's window, on the editor's own connection.
constexpr intptr_t kEditorShowValue = fourCharCode("Show");
constexpr intptr_t kEditorHideValue = fourCharCode("Hide");
