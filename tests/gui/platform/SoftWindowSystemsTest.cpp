// SPDX-License-Identifier: MIT
// Which window system of the software platform takes a window, and which one
// answers for the input afterwards. Software platform only.

#ifndef _WIN32

#include <gtest/gtest.h>

#include "gui/platform/platform.h"
#include "gui/platform/soft/InputState.h"
#include "gui/platform/testdesktop/TestDesktop.h"
#include "tests/support/AllocationCounter.h"

using namespace platform;

namespace {
intptr_t quietProc(Window, uint32_t, uintptr_t, intptr_t) { return 0; }
}  // namespace

// A handle that is neither one of ours nor a window of a display (with or
// without a display at hand) gets no window, and the input tests set is what
// the platform reports afterwards: nothing is left holding the input.
TEST(SoftWindowSystems, ChildOfAHandleNoSystemTakesIsRefusedAndLeavesInputInMemory) {
    ASSERT_TRUE(registerWindowClass("SoftWindowSystemsTest", quietProc, nullptr));
    // The top bits of an X resource id are always clear, so this is no window.
    auto* noWindow = reinterpret_cast<Window>(uintptr_t(0x7FFFFFF0));
    EXPECT_EQ(createChildWindow("SoftWindowSystemsTest", noWindow, 40, 30, nullptr), nullptr);
    unregisterWindowClass("SoftWindowSystemsTest", nullptr);

    soft::setKeyDown(vkShift, true);
    soft::setCursorPosition(Pt{123, 45});
    EXPECT_TRUE(isKeyDown(vkShift));
    EXPECT_EQ(cursorPosition().x, 123);
    EXPECT_EQ(cursorPosition().y, 45);
    soft::setKeyDown(vkShift, false);
    EXPECT_FALSE(isKeyDown(vkShift));
}

// What a zoomed window shows is scaled up as it is drawn, every idle of the
// game: once the window has shown itself, that asks for no memory.
TEST(SoftWindowSystems, AZoomedShowingAllocatesNothingOnceWarm) {
    ASSERT_TRUE(registerWindowClass("SoftWindowSystemsZoom", quietProc, nullptr));
    Window host = desktop::createHostWindow(200, 200);
    Window window = createChildWindow("SoftWindowSystemsZoom", host, 40, 30, nullptr, 3);
    ASSERT_NE(window, nullptr);
    auto drawAndShow = [window](int32_t x) {
        Dc dc = getDc(window);
        setPixel(dc, x, 5, rgb(255, 0, 0));
        releaseDc(window, dc);
    };
    drawAndShow(1);
    long before = allocationCount();
    for (int32_t x = 2; x < 30; ++x) drawAndShow(x);
    EXPECT_EQ(allocationCount() - before, 0);
    destroyWindow(window);
    desktop::destroyHostWindow(host);
    unregisterWindowClass("SoftWindowSystemsZoom", nullptr);
}

#endif
