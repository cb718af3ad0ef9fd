// What the X11 window system sends to the server: only the rectangle drawn
// since the window was last shown, and the whole window again on an
// exposure. Read back from the server on a connection of the test's own.
// Software platform with a display only.

#ifndef _WIN32

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "gui/platform/testdesktop/TestDesktop.h"
#include "gui/platform/platform.h"
#include "gui/platform/soft/SoftWindow.h"

// Xlib's macros last, after the headers they would clash with.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using platform::Box;
using platform::Dc;

namespace {
constexpr int32_t kWidth = 60, kHeight = 40;
constexpr uint32_t kGrey = 0x808080, kRed = 0xFF0000, kUnsent = 0x00FF00;

intptr_t paintNothing(platform::Window window, uint32_t message, uintptr_t, intptr_t) {
    if (message == platform::msgPaint) {
        platform::PaintState state{};
        platform::beginPaint(window, state);
        platform::endPaint(window, state);
    }
    return 0;
}

void fill(Dc dc, Box box, uint32_t rrggbb) {
    platform::Object brush = platform::createSolidBrush(
        platform::rgb(uint8_t(rrggbb >> 16), uint8_t(rrggbb >> 8), uint8_t(rrggbb)));
    platform::fillRect(dc, box, brush);
    platform::deleteObject(brush);
}

bool inside(const Box& box, int32_t x, int32_t y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

class X11Present : public testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (!display) GTEST_SKIP() << "no X display to show windows on";
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight,
                                     0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
        ASSERT_TRUE(platform::registerWindowClass("X11PresentTest", paintNothing, nullptr));
        child = platform::createChildWindow(
            "X11PresentTest", reinterpret_cast<platform::Window>(uintptr_t(parent)), kWidth,
            kHeight, nullptr);
        ASSERT_NE(child, nullptr);
        peer = ::Window(soft::asSoftWindow(child)->peer);
        ASSERT_TRUE(waitFor([&] {
            XWindowAttributes attributes;
            return XGetWindowAttributes(display, peer, &attributes) &&
                   attributes.map_state == IsViewable;
        }));
    }
    void TearDown() override {
        if (!display) return;
        if (child) platform::destroyWindow(child);
        platform::unregisterWindowClass("X11PresentTest", nullptr);
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }

    // The module sends on a connection of its own, so what it sent shows up
    // on this one in its own time.
    template <typename Condition>
    static bool waitFor(Condition condition) {
        for (int tries = 0; tries < 400; ++tries) {
            if (condition()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    std::vector<uint32_t> shown() {
        std::vector<uint32_t> pixels;
        XImage* image = XGetImage(display, peer, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
        if (!image) return pixels;
        for (int32_t y = 0; y < kHeight; ++y)
            for (int32_t x = 0; x < kWidth; ++x)
                pixels.push_back(uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF);
        XDestroyImage(image);
        return pixels;
    }
    uint32_t pictureAt(int32_t x, int32_t y) {
        platform::ColorRef color = platform::desktop::windowPixel(child, x, y);
        return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
    }
    // Whether the server shows the window's picture everywhere inside `area`.
    bool showsPictureIn(const Box& area) {
        std::vector<uint32_t> pixels = shown();
        if (pixels.empty()) return false;
        for (int32_t y = area.top; y < area.bottom; ++y)
            for (int32_t x = area.left; x < area.right; ++x)
                if (pixels[size_t(y * kWidth + x)] != pictureAt(x, y)) return false;
        return true;
    }
    // Paints the window on the server behind the module's back.
    void markUnsent() {
        XSetForeground(display, DefaultGC(display, DefaultScreen(display)), kUnsent);
        XFillRectangle(display, peer, DefaultGC(display, DefaultScreen(display)), 0, 0, kWidth,
                       kHeight);
        XSync(display, False);
    }

    Display* display = nullptr;
    ::Window parent = 0, peer = 0;
    platform::Window child = nullptr;
};
}  // namespace

TEST_F(X11Present, AMovedSpriteSendsOnlyWhereItWasAndIsAndAnExposureSendsAll) {
    const Box whole{0, 0, kWidth, kHeight};
    const Box before{10, 10, 22, 22}, after{30, 14, 42, 26};
    Dc dc = platform::getDc(child);
    fill(dc, whole, kGrey);
    fill(dc, before, kRed);
    platform::releaseDc(child, dc);
    ASSERT_TRUE(waitFor([&] { return showsPictureIn(whole); }));

    markUnsent();
    dc = platform::getDc(child);
    fill(dc, before, kGrey);
    fill(dc, after, kRed);
    platform::releaseDc(child, dc);
    const Box changed{10, 10, 42, 26};
    ASSERT_TRUE(waitFor([&] { return showsPictureIn(changed); }));
    std::vector<uint32_t> pixels = shown();
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x) {
            uint32_t expected = inside(after, x, y) ? kRed : kGrey;
            ASSERT_EQ(pictureAt(x, y), expected) << x << "," << y;
            if (!inside(changed, x, y)) {
                ASSERT_EQ(pixels[size_t(y * kWidth + x)], kUnsent) << "sent " << x << "," << y;
            }
        }

    // A window the module did not draw into again comes back whole.
    markUnsent();
    XClearArea(display, peer, 0, 0, 0, 0, True);
    XSync(display, False);
    EXPECT_TRUE(waitFor([&] {
        platform::dispatchPendingMessages();
        return showsPictureIn(whole);
    }));
}

#endif
