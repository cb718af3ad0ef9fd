#pragma once
// The connection to the X display named by DISPLAY, as the module's windows
// and the tests that look at them open it.

#include <X11/Xlib.h>

namespace soft {
// A busy X server now and then drops a connection it has just accepted (seen
// with Xvfb under load), so a few more tries are made; null when there is no
// display to open.
Display* openX11Display();
}  // namespace soft
