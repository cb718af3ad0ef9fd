#pragma once
// How a colour becomes a pixel of a surface. Colour surfaces take it as it
// is; monochrome ones follow GDI (checked against Wine): pixels go to the
// nearer of black and white, brushes are white only when exactly white, and
// pens and text are white or black when exactly so, the background's pixel
// when they match the background colour, and the other pixel otherwise.

#include "gui/platform/platform.h"
#include "gui/platform/soft/Surface.h"

namespace soft {

Pixel nearestPixel(const Surface& surface, platform::ColorRef color);
Pixel brushPixel(const Surface& surface, platform::ColorRef color);
Pixel penPixel(const Surface& surface, platform::ColorRef color, platform::ColorRef bkColor);

}  // namespace soft
