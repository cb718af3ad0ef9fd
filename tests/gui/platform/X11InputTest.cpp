// SPDX-License-Identifier: MIT
// What the X11 window system reads of the buttons, keys and pointer: a
// reading stands while no device reports input, and the next one after a
// device does sees the change, also when an event pass took that input in;
// a reading for another window is that window's. The devices are driven
// through XTest on a connection of the test's own. Software platform with a
// display only.

#include <gtest/gtest.h>

#include <utility>

#include "gui/platform/InputReading.h"
#include "tests/gui/platform/X11TestWindow.h"

// Xlib's macros last, after the headers they would clash with.
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using platform::Pt;

namespace {
class X11Input : public X11TestWindow {
protected:
    void SetUp() override {
        X11TestWindow::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        int event, error, major, minor;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor))
            GTEST_SKIP() << "the X server has no XTest extension";
    }
    void TearDown() override {
        if (display) {
            button(1, false);
            key(XK_Control_L, false);
        }
        X11TestWindow::TearDown();
    }

    // Each returns once the server has taken the input in.
    void button(unsigned int which, bool down) {
        XTestFakeButtonEvent(display, which, down, CurrentTime);
        XSync(display, False);
    }
    void key(KeySym symbol, bool down) {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down, CurrentTime);
        XSync(display, False);
    }
    // To a point of the window.
    void movePointer(int32_t x, int32_t y) {
        int rootX = 0, rootY = 0;
        ::Window unused;
        XTranslateCoordinates(display, parent, DefaultRootWindow(display), x, y, &rootX, &rootY,
                              &unused);
        XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
        XSync(display, False);
    }
    std::pair<int32_t, int32_t> pointerInWindow() {
        platform::beginInputPass(child);
        Pt where = platform::screenToWindow(child, platform::cursorPosition());
        platform::endInputPass();
        return {where.x, where.y};
    }
};
}  // namespace

TEST_F(X11Input, ADevicesInputReadsAtTheNextReadingAndAPassKeepsItsOwn) {
    EXPECT_FALSE(platform::isKeyDown(platform::vkLeftButton));
    EXPECT_FALSE(platform::isKeyDown(platform::vkLeftButton));  // asked again: still up

    // Control held while clicking the left button reads as both.
    key(XK_Control_L, true);
    button(1, true);
    EXPECT_TRUE(platform::isKeyDown(platform::vkLeftButton));
    EXPECT_TRUE(platform::isKeyDown(platform::vkControl));

    // Within a pass the reading stands through a release; the next pass sees it.
    platform::beginInputPass(child);
    EXPECT_TRUE(platform::isKeyDown(platform::vkLeftButton));
    button(1, false);
    EXPECT_TRUE(platform::isKeyDown(platform::vkLeftButton));
    platform::endInputPass();
    platform::beginInputPass(child);
    EXPECT_FALSE(platform::isKeyDown(platform::vkLeftButton));
    EXPECT_TRUE(platform::isKeyDown(platform::vkControl));
    platform::endInputPass();

    key(XK_Control_L, false);
    EXPECT_FALSE(platform::isKeyDown(platform::vkControl));
}

TEST_F(X11Input, APointerMovedByItsDeviceReadsWhereItNowIs) {
    movePointer(20, 15);
    EXPECT_EQ(pointerInWindow(), std::make_pair(20, 15));
    EXPECT_EQ(pointerInWindow(), std::make_pair(20, 15));
    movePointer(35, 25);
    EXPECT_EQ(pointerInWindow(), std::make_pair(35, 25));
}

TEST_F(X11Input, AnEventPassThatTookDeviceInputLeavesTheNextReadingFresh) {
    EXPECT_FALSE(platform::isKeyDown(platform::vkLeftButton));  // a reading to keep
    for (bool down : {true, false}) {
        button(1, down);
        platform::dispatchPendingMessages();
        EXPECT_EQ(platform::isKeyDown(platform::vkLeftButton), down);
    }
}

TEST_F(X11Input, ReadingsForTwoWindowsInTurnEachTellTheirOwnWindow) {
    ::Window otherParent = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 60,
                                               kWidth, kHeight, 0, 0, 0);
    XMapWindow(display, otherParent);
    XSync(display, False);
    platform::Window other = openChild(otherParent);
    ASSERT_NE(other, nullptr);
    movePointer(20, 15);
    for (platform::Window window : {child, other, child, other}) {
        int x = 0, y = 0;
        ::Window unused;
        XTranslateCoordinates(display, parent, ::Window(soft::asSoftWindow(window)->peer), 20, 15,
                              &x, &y, &unused);
        platform::InputReading reading = platform::readInput(window, true);
        EXPECT_EQ(reading.window, window);
        EXPECT_EQ(std::make_pair(reading.inWindow.x, reading.inWindow.y), std::make_pair(x, y));
    }
    platform::destroyWindow(other);
    XDestroyWindow(display, otherParent);
}
