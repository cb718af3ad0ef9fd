// SPDX-License-Identifier: MIT
#pragma once
// Input injected as the user's own, through SendInput: shared by the test
// desktop and the host program, kept out of the module.

#include <cstdint>

namespace platform::win32 {

// Presses or releases a mouse button (VK_LBUTTON, VK_MBUTTON, VK_RBUTTON) or
// a key, by its Win32 virtual-key code.
void injectHeld(int32_t virtualKey, bool down);

}  // namespace platform::win32
