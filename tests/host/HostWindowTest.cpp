// SPDX-License-Identifier: MIT
// The host window as the demo drives it: keys held and let go through it
// leave its event pump free to return; as an editor that tells its size once
// open resizes it.

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

TEST(HostWindow, ResizedWindowIsCapturedAtItsNewSize) {
    std::string error;
    std::unique_ptr<HostWindow> window = HostWindow::create(1, 1, "Skyrun test", error);
    if (!window) GTEST_SKIP() << "no host window: " << error;
    window->resize(120, 50);
    EXPECT_TRUE(window->pumpEvents());
    Screenshot shot;
    ASSERT_TRUE(window->capture(shot));
    EXPECT_EQ(shot.width, 120);
    EXPECT_EQ(shot.height, 50);
    EXPECT_EQ(shot.rgb.size(), size_t(120 * 50 * 3));
}
