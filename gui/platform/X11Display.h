// SPDX-License-Identifier: MIT
#pragma once
// The connection to the X display named by DISPLAY, as the module's windows,
// the host's window and the tests that look at them open it.

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace platform {
// A busy X server now and then drops a connection it has just accepted (seen
// with Xvfb under load), so a few more tries are made; null when there is no
// display to open.
inline Display* openX11Display() {
    Display* display = XOpenDisplay(nullptr);
    for (int retry = 1; !display && retry <= 5 && std::getenv("DISPLAY"); ++retry) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10 * retry));
        display = XOpenDisplay(nullptr);
    }
    return display;
}
}  // namespace platform
