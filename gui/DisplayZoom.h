// SPDX-License-Identifier: MIT
#pragma once
// Where an editor's zoom comes from, decided in one place: the host's scale
// when it gives one, else the user's setting, else the screen's; each scale
// rounded to the nearest whole zoom from 1 to platform::kMaxZoom. The
// platforms only report the user's and the screen's scales.

#include <cstdint>

#include "gui/platform/platform.h"

class DisplayZoom {
public:
    // 1.5 gives 2; NaN, infinities and scales below 1 give 1.
    static int32_t ofScale(double scale);
    // A scale that is not a positive number: the host gives none.
    void setHostScale(double scale);
    // The zoom for a window in `parent` (null: the main screen).
    int32_t choose(platform::Window parent) const;

private:
    double hostScale = 0.0;  // 0 while the host has given none
};
