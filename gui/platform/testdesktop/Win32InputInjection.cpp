// SPDX-License-Identifier: MIT
// Buttons and keys injected with SendInput: a button goes in as a mouse
// event, any other virtual key as a key event.

#include "gui/platform/testdesktop/Win32InputInjection.h"

#include <windows.h>

namespace platform::win32 {

namespace {
struct ButtonEvents {
    int32_t virtualKey;
    DWORD down, up;
};
constexpr ButtonEvents kButtons[] = {{VK_LBUTTON, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                     {VK_MBUTTON, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP},
                                     {VK_RBUTTON, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}};

INPUT inputFor(int32_t virtualKey, bool down) {
    INPUT input{};
    for (const ButtonEvents& button : kButtons)
        if (button.virtualKey == virtualKey) {
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = down ? button.down : button.up;
            return input;
        }
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = WORD(virtualKey);
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}
}  // namespace

void injectHeld(int32_t virtualKey, bool down) {
    INPUT input = inputFor(virtualKey, down);
    SendInput(1, &input, sizeof input);
}

}  // namespace platform::win32
