// SPDX-License-Identifier: MIT
// Key and button state and the pointer position, as the window system that
// holds the input reports them: an editor shown on X11 reads the real ones
// from the server, headless windows the ones a test set.

#include "gui/platform/soft/SoftWindow.h"

namespace platform {

InputReading readInput(Window window, bool) {
    return soft::inputWindowSystem().readInput(soft::asSoftWindow(window));
}

}  // namespace platform
