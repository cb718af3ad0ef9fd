// Key and button state and the pointer position, as the window system (or a
// test) last set them.

#include <array>

#include "gui/platform/soft/InputState.h"
#include "gui/platform/soft/SoftWindow.h"

namespace soft {

namespace {
std::array<bool, 256> keysDown{};
platform::Pt cursor{0, 0};
}  // namespace

void setKeyDown(int32_t virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey < int32_t(keysDown.size())) keysDown[size_t(virtualKey)] = down;
}

void setCursorPosition(platform::Pt screenPoint) { cursor = screenPoint; }

}  // namespace soft

namespace platform {

// An editor shown on X11 reads the real buttons and keys from the server.
bool isKeyDown(int32_t virtualKey) {
    bool known = false;
    bool down = soft::x11KeyDown(virtualKey, known);
    if (known) return down;
    return virtualKey >= 0 && virtualKey < int32_t(soft::keysDown.size()) &&
           soft::keysDown[size_t(virtualKey)];
}

Pt cursorPosition() {
    Pt screen;
    return soft::x11Pointer(screen) ? screen : soft::cursor;
}

}  // namespace platform
