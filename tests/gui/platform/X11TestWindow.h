// SPDX-License-Identifier: MIT
#pragma once
// What the X11 window tests share: a window of the module's own, the child
// of an X11 window the test makes on a connection of its own to the same
// display. Software platform with a display only; skips without one.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "gui/platform/platform.h"
#include "gui/platform/soft/SoftWindow.h"

// Xlib's macros last, after the headers they would clash with.
#include "gui/platform/X11Display.h"

class X11TestWindow : public testing::Test {
protected:
    static constexpr int32_t kWidth = 60, kHeight = 40;

    void SetUp() override {
        display = platform::openX11Display();
        if (!display) GTEST_SKIP() << "no X display to show windows on";
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight,
                                     0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
        ASSERT_TRUE(platform::registerWindowClass("X11TestWindow", windowProc, nullptr));
        child = openChild(parent);
        ASSERT_NE(child, nullptr);
        peer = ::Window(soft::asSoftWindow(child)->peer);
    }
    void TearDown() override {
        onDestroy = nullptr;
        if (!display) return;
        if (child) platform::destroyWindow(child);
        platform::unregisterWindowClass("X11TestWindow", nullptr);
        if (parent) XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }

    // A window of the module's under `x11Parent`, once the server shows it; null if none.
    platform::Window openChild(::Window x11Parent) {
        platform::Window window = platform::createChildWindow(
            "X11TestWindow", reinterpret_cast<platform::Window>(uintptr_t(x11Parent)), kWidth,
            kHeight, nullptr);
        auto id = window ? ::Window(soft::asSoftWindow(window)->peer) : 0;
        bool shown = id && waitFor([&] {
            XWindowAttributes attributes;
            return XGetWindowAttributes(display, id, &attributes) &&
                   attributes.map_state == IsViewable;
        });
        if (shown) return window;
        if (window) platform::destroyWindow(window);
        return nullptr;
    }

    // The module talks to the server on a connection of its own, so what it
    // sends shows up on this one in its own time.
    template <typename Condition>
    static bool waitFor(Condition condition) {
        for (int tries = 0; tries < 400; ++tries) {
            if (condition()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    Display* display = nullptr;
    ::Window parent = 0, peer = 0;
    platform::Window child = nullptr;
    // Called as a window of the module's is destroyed, while it still is whole.
    static inline std::function<void()> onDestroy;

private:
    static intptr_t windowProc(platform::Window window, uint32_t message, uintptr_t, intptr_t) {
        if (message == platform::msgDestroy && onDestroy) onDestroy();
        if (message == platform::msgPaint) {
            platform::PaintState state{};
            platform::beginPaint(window, state);
            platform::endPaint(window, state);
        }
        return 0;
    }
};
