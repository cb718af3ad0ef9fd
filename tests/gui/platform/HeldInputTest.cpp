// SPDX-License-Identifier: MIT
// Input put in through the test desktop reads back through the platform's
// polls: in memory on the software platform, injected as the user's own on
// Win32, where the same injection drives the host program's windows.

#include <gtest/gtest.h>

#include "gui/platform/testdesktop/TestDesktop.h"
#include "gui/platform/platform.h"

using namespace platform;

TEST(HeldInput, EachButtonAndKeyReadsHeldUntilReleasedAndThePointerStaysPut) {
    Window host = desktop::createHostWindow(60, 40, 100, 50);
    desktop::setPointer(Pt{107, 59});
    EXPECT_EQ(cursorPosition().x, 107);
    EXPECT_EQ(cursorPosition().y, 59);
    for (int32_t key : {vkLeftButton, vkMiddleButton, vkRightButton, vkShift, vkControl, vkAlt}) {
        desktop::setHeld(key, true);
        EXPECT_TRUE(isKeyDown(key)) << "key " << key;
        desktop::setHeld(key, false);
        EXPECT_FALSE(isKeyDown(key)) << "key " << key;
    }
    desktop::setHeld(vkShift, true);
    desktop::setHeld(vkRightButton, true);
    desktop::releaseAll();
    EXPECT_FALSE(isKeyDown(vkShift));
    EXPECT_FALSE(isKeyDown(vkRightButton));
    desktop::destroyHostWindow(host);
}
