// What the X11 window system reads of the buttons, keys and pointer: a
// reading stands while no device reports input, and the next one after a
// device does sees the change. The devices are driven through XTest on a
// connection of the test's own. Software platform with a display only.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <utility>

#include "gui/platform/platform.h"
#include "gui/platform/soft/SoftWindow.h"

// Xlib's macros last, after the headers they would clash with.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using platform::Pt;

namespace {
constexpr int32_t kWidth = 60, kHeight = 40;

intptr_t quietProc(platform::Window, uint32_t, uintptr_t, intptr_t) { return 0; }

class X11Input : public testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (!display) GTEST_SKIP() << "no X display to show windows on";
        int event, error, major, minor;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor))
            GTEST_SKIP() << "the X server has no XTest extension";
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight,
                                     0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
        ASSERT_TRUE(platform::registerWindowClass("X11InputTest", quietProc, nullptr));
        child = platform::createChildWindow(
            "X11InputTest", reinterpret_cast<platform::Window>(uintptr_t(parent)), kWidth,
            kHeight, nullptr);
        ASSERT_NE(child, nullptr);
        ASSERT_TRUE(waitUntilViewable(::Window(soft::asSoftWindow(child)->peer)));
    }
    void TearDown() override {
        if (!display) return;
        button(1, false);
        key(XK_Control_L, false);
        if (child) platform::destroyWindow(child);
        platform::unregisterWindowClass("X11InputTest", nullptr);
        if (parent) XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }

    bool waitUntilViewable(::Window window) {
        for (int tries = 0; tries < 400; ++tries) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, window, &attributes) &&
                attributes.map_state == IsViewable)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
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

    Display* display = nullptr;
    ::Window parent = 0;
    platform::Window child = nullptr;
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
