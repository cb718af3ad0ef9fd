#pragma once
#include <cstdint>

// The editor's size as the host reads it, through the pointer that
// the editor hands out.
struct EditorRect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};
