// SPDX-License-Identifier: MIT
#pragma once
// What the window system gives the device context code: the device context of
// a window, and its release (which shows what was drawn).

#include "gui/platform/platform.h"

namespace soft {

platform::Dc windowDc(platform::Window window);
void releaseWindowDc(platform::Window window, platform::Dc dc);

}  // namespace soft
