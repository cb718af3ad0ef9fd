// SPDX-License-Identifier: MIT
// The X11 window system and the zoom: the screen's scale from the Xft.dpi
// resource, and a zoom change on an open window, read back as the server
// sizes the window. Software platform with a display only.

#ifndef _WIN32

#include <gtest/gtest.h>

#include "tests/gui/platform/X11TestWindow.h"

TEST(X11ScreenScale, IsXftDpiOver96AndNothingForAValueThatIsNoDpi) {
    const struct {
        const char* resources;
        double scale;
    } cases[] = {
        {"Xft.dpi:\t96\n", 1.0},
        {"Xft.antialias:\t1\nXft.dpi:\t120\n", 1.25},
        {"Xft.dpi: 144\n", 1.5},
        {"*dpi:\t192\n", 2.0},
        {"Xft.dpi:\n", 0.0},
        {"Xft.dpi:\tlarge\n", 0.0},
        {"Xft.dpi:\t-96\n", 0.0},
        {"Xft.dpi:\t0\n", 0.0},
        {"Xft.hinting:\t1\n", 0.0},
        {"", 0.0},
        {nullptr, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(soft::xftScale(c.resources), c.scale) << (c.resources ? c.resources : "none");
}

namespace {
class X11Zoom : public X11TestWindow {};
}  // namespace

// Each change from the zoom before, as the server reports the window's size.
TEST_F(X11Zoom, AChangeWhileOpenResizesTheWindowOnTheServer) {
    for (int32_t zoom : {2, 3, 4, 1}) {
        ASSERT_TRUE(platform::setWindowZoom(child, zoom));
        XWindowAttributes attributes{};
        EXPECT_TRUE(waitFor([&] {
            return XGetWindowAttributes(display, peer, &attributes) &&
                   attributes.width == kWidth * zoom && attributes.height == kHeight * zoom;
        })) << "zoom " << zoom << ": " << attributes.width << " x " << attributes.height;
    }
}

#endif
