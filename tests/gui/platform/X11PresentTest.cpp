// SPDX-License-Identifier: MIT
// What the X11 window system sends to the server: only the rectangle drawn
// since the window was last shown, and the whole window again on an
// exposure; and a window whose peer went first keeps its picture. Read back
// from the server on a connection of the test's own.
// Software platform with a display only.

#ifndef _WIN32

#include <gtest/gtest.h>

#include <vector>

#include "gui/platform/testdesktop/TestDesktop.h"
#include "tests/gui/platform/X11TestWindow.h"

// Xlib's macros last, after the headers they would clash with.
#include <X11/Xutil.h>

using platform::Box;
using platform::Dc;

namespace {
constexpr uint32_t kGrey = 0x808080, kRed = 0xFF0000, kUnsent = 0x00FF00;

void fill(Dc dc, Box box, uint32_t rrggbb) {
    platform::Object brush = platform::createSolidBrush(
        platform::rgb(uint8_t(rrggbb >> 16), uint8_t(rrggbb >> 8), uint8_t(rrggbb)));
    platform::fillRect(dc, box, brush);
    platform::deleteObject(brush);
}

bool inside(const Box& box, int32_t x, int32_t y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

class X11Present : public X11TestWindow {
protected:
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

// The host destroyed its window, and the peer with it, before the module's
// window went: to its end the window keeps what was drawn into it.
TEST_F(X11Present, AWindowWhosePeerWentFirstKeepsItsPicture) {
    Dc dc = platform::getDc(child);
    fill(dc, {0, 0, kWidth, kHeight}, kGrey);
    fill(dc, {10, 10, 22, 22}, kRed);
    platform::releaseDc(child, dc);
    std::vector<uint32_t> atDestroy;
    onDestroy = [&] { atDestroy = {pictureAt(0, 0), pictureAt(15, 15), pictureAt(59, 39)}; };
    XDestroyWindow(display, parent);
    XSync(display, False);
    parent = 0;
    ASSERT_TRUE(waitFor([&] {
        platform::dispatchPendingMessages();
        return !atDestroy.empty();
    }));
    child = nullptr;
    EXPECT_EQ(atDestroy, (std::vector<uint32_t>{kGrey, kRed, kGrey}));
}

#endif
