// The host window as the demo drives it: keys held and let go through it
// leave its event pump free to return.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/platform/HostWindow.h"

TEST(HostWindow, EveryKeyHeldAndLetGoAloneLeavesThePumpFree) {
    std::string error;
    std::unique_ptr<HostWindow> window = HostWindow::create(100, 80, "Skyrun test", error);
    if (!window) GTEST_SKIP() << "no host window: " << error;
    EXPECT_TRUE(window->pumpEvents());
    // Alt alone once opened the window menu's keyboard mode on Windows,
    // whose loop never gave the pump back.
    for (InputKey key : {InputKey::shift, InputKey::control, InputKey::alt}) {
        window->setHeld(key, true);
        EXPECT_TRUE(window->pumpEvents());
        window->setHeld(key, false);
        EXPECT_TRUE(window->pumpEvents());
    }
}
