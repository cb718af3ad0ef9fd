// SPDX-License-Identifier: MIT
#pragma once
// Drawing with a device context's pen, shared by lines and shape outlines.

#include "gui/platform/platform.h"
#include "gui/platform/soft/DeviceContext.h"

namespace soft {

// One segment with the selected pen. One-pixel pens leave out the end pixel;
// wider ones are solid bands with round ends. A dotted pen's pattern runs on
// through dashIndex, so a polyline keeps it across its corners.
void strokeSegment(DeviceContext& dc, platform::Pt from, platform::Pt to, int32_t& dashIndex);

}  // namespace soft
