// SPDX-License-Identifier: MIT
// The frame in a real child window: class sharing, messages, idle refresh.
// Runs on the test desktop of each platform.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/Control.h"
#include "gui/DrawContext.h"
#include "gui/EditorBase.h"
#include "gui/EditorOwner.h"
#include "gui/ModuleInstance.h"
#include "gui/ViewFrame.h"
#include "gui/platform/testdesktop/TestDesktop.h"

using namespace platform;

namespace {
std::string frameClassName() {
    char name[32];
    std::snprintf(name, sizeof name, "Plugin%08x", unsigned(uintptr_t(moduleInstance)));
    return name;
}

// Paints a solid square of its colour and logs presses.
class Swatch : public Control {
public:
    Swatch(const Rect& size, Color color) : Control(size, nullptr, 0), color(color) {}
    void paint(DrawContext* context) override {
        ++paints;
        context->setBrushColor(color);
        Rect r = size;
        r.offsetBy(-1, -1);
        r.right += 1;
        r.bottom += 1;
        context->fillRectInner(r);
    }
    void onMouseDown(DrawContext*, Point where) override {
        presses += std::to_string(where.h) + "," + std::to_string(where.v) + " ";
    }
    Color color;
    int paints = 0;
    std::string presses;
};

class FrameWindow : public testing::Test {
protected:
    void TearDown() override {
        frame.reset();
        if (host) desktop::destroyHostWindow(host);
    }
    void open(int width = 100, int height = 80) {
        // Room for the frame at any zoom.
        host = desktop::createHostWindow((width + 20) * kMaxZoom, (height + 20) * kMaxZoom);
        frame = std::make_unique<ViewFrame>(Rect(0, 0, width, height), host, nullptr);
        ASSERT_NE(frame->window(), nullptr);
    }
    Window host = nullptr;
    std::unique_ptr<ViewFrame> frame;
};
}  // namespace

TEST_F(FrameWindow, PaintsItsViewsOnlyWhenAskedByThePlatform) {
    open();
    auto* swatch = new Swatch(Rect(10, 10, 30, 30), kRed);
    frame->attachChild(swatch);
    frame->refreshChanged();  // nothing is drawn before the first paint
    EXPECT_EQ(swatch->paints, 0);
    EXPECT_TRUE(frame->isFirstPaintPending());
    desktop::postPaint(frame->window());
    EXPECT_EQ(swatch->paints, 1);
    EXPECT_FALSE(frame->isFirstPaintPending());
    EXPECT_EQ(desktop::windowPixel(frame->window(), 10, 10), rgb(255, 0, 0));
    EXPECT_EQ(desktop::windowPixel(frame->window(), 29, 29), rgb(255, 0, 0));
    EXPECT_NE(desktop::windowPixel(frame->window(), 30, 30), rgb(255, 0, 0));
    desktop::postMessage(frame->window(), msgPaint, 0, 0);  // no update region: no paint
    EXPECT_EQ(swatch->paints, 1);
    frame->refreshChanged();  // a frame paint does not count as drawn: 0 differs from -1
    EXPECT_EQ(swatch->paints, 2);
    frame->refreshChanged();
    EXPECT_EQ(swatch->paints, 2);
    swatch->setValue(0.5f);
    frame->refreshChanged();
    EXPECT_EQ(swatch->paints, 3);
    frame->refreshChanged();
    EXPECT_EQ(swatch->paints, 3);
}

TEST_F(FrameWindow, PressesCarryUnsignedSixteenBitCoordinates) {
    open();
    auto* everywhere = new Swatch(Rect(0, 0, 70000, 70000), kBlue);
    frame->attachChild(everywhere);
    desktop::postPress(frame->window(), msgLeftButtonDown, 12, 34);
    desktop::postPress(frame->window(), msgRightButtonDown, 56, 7);
    desktop::postMessage(frame->window(), msgLeftButtonDown, 0, intptr_t(0xFFF0FFFFu));
    EXPECT_EQ(everywhere->presses, "12,34 56,7 65535,65520 ");
}

// Edges on odd pixels, redrawn whole by a paint, in part by an idle and by a
// paint of part of the window whose far edges cut blocks, at each zoom in
// turn on one window: the screen shows every pixel as an exact block, out to
// the window's edges and no further.
TEST_F(FrameWindow, AZoomShowsEveryPixelAsAnExactBlock) {
    const int width = 24, height = 16;
    open(width, height);
    frame->attachChild(new Swatch(Rect(0, 0, width, height), kWhite));
    frame->attachChild(new Swatch(Rect(3, 3, 10, 9), kRed));
    auto* changing = new Swatch(Rect(11, 5, 20, 14), kGreen);
    frame->attachChild(changing);
    auto shown = [&](int zoom) {  // one pixel past each edge too, where nothing is
        std::vector<ColorRef> pixels;
        for (int y = 0; y <= height * zoom; ++y)
            for (int x = 0; x <= width * zoom; ++x)
                pixels.push_back(desktop::windowPixel(frame->window(), x, y));
        return pixels;
    };
    std::vector<ColorRef> painted, redrawn;
    for (int zoom : {1, 2, 3, 4}) {
        SCOPED_TRACE(zoom);
        changing->color = kGreen;
        ASSERT_TRUE(setWindowZoom(frame->window(), zoom));  // from the one before
        desktop::postPaint(frame->window());
        frame->refreshChanged();  // the views are drawn; only `changing` changes below
        std::vector<ColorRef> afterPaint = shown(zoom);
        changing->color = kBlue;
        changing->setValue(float(zoom) / 8);
        frame->refreshChanged();
        std::vector<ColorRef> afterIdle = shown(zoom);
        changing->color = kGreen;
        const Box part{0, 0, 20 * zoom - 1, 14 * zoom - 1};
        desktop::postPaint(frame->window(), part);
        std::vector<ColorRef> afterPart = shown(zoom);
        if (zoom == 1) {
            painted = afterPaint;
            redrawn = afterIdle;
            EXPECT_NE(painted, redrawn);
        }
        for (int y = 0; y <= height * zoom; ++y)
            for (int x = 0; x <= width * zoom; ++x) {
                const size_t at = size_t(y * (width * zoom + 1) + x);
                const bool outside = x == width * zoom || y == height * zoom;
                const size_t from = size_t(y / zoom * (width + 1) + x / zoom);
                const ColorRef was = outside ? 0xFFFFFFFF : painted[from];
                const ColorRef is = outside ? 0xFFFFFFFF : redrawn[from];
                ASSERT_EQ(afterPaint[at], was) << x << "," << y;
                ASSERT_EQ(afterIdle[at], is) << x << "," << y;
                if (x < part.right && y < part.bottom) {
                    ASSERT_EQ(afterPart[at], was) << x << "," << y;
                }
            }
    }
}

// A press anywhere in a block is a press on the pixel it shows; the pointer
// maps the same way, and left of the window stays left of it.
TEST_F(FrameWindow, AZoomedWindowTakesPressesAndThePointerInItsOwnPixels) {
    open();
    auto* everywhere = new Swatch(Rect(0, 0, 100, 80), kBlue);
    frame->attachChild(everywhere);
    ASSERT_TRUE(setWindowZoom(frame->window(), 3));
    EXPECT_FALSE(setWindowZoom(frame->window(), kMaxZoom + 1));
    EXPECT_FALSE(setWindowZoom(frame->window(), 0));
    EXPECT_EQ(windowZoom(frame->window()), 3);
    desktop::postPress(frame->window(), msgLeftButtonDown, 3 * 12 + 2, 3 * 34);
    desktop::postPress(frame->window(), msgRightButtonDown, 3 * 56 + 2, 3 * 7 + 2);
    EXPECT_EQ(everywhere->presses, "12,34 56,7 ");
    for (auto [screen, inWindow] : {std::pair{Pt{100 + 3 * 20 + 2, 50 + 3 * 10}, Pt{20, 10}},
                                    std::pair{Pt{99, 50}, Pt{-1, 0}}}) {
        desktop::setPointer(screen);
        Pt mapped = screenToWindow(frame->window(), cursorPosition());
        EXPECT_EQ(mapped.x, inWindow.x);
        EXPECT_EQ(mapped.y, inWindow.y);
    }
}

TEST_F(FrameWindow, RepaintViewDrawsAtOnce) {
    open();
    auto* swatch = new Swatch(Rect(40, 40, 50, 50), kGreen);
    frame->attachChild(swatch);
    frame->repaintView(swatch);
    EXPECT_EQ(swatch->paints, 1);
    EXPECT_EQ(desktop::windowPixel(frame->window(), 45, 45), rgb(0, 255, 0));
    Swatch stranger(Rect(0, 0, 1, 1), kRed);
    frame->repaintView(&stranger);  // not a child: the whole frame is drawn
    EXPECT_EQ(swatch->paints, 2);
    EXPECT_EQ(stranger.paints, 0);
}

TEST_F(FrameWindow, TwoFramesShareOneWindowClass) {
    open();
    Window secondHost = desktop::createHostWindow(50, 50);
    auto second = std::make_unique<ViewFrame>(Rect(0, 0, 40, 40), secondHost, nullptr);
    std::string name = frameClassName();
    EXPECT_FALSE(registerWindowClass(name.c_str(), ViewFrame::windowProc, moduleInstance));
    frame.reset();
    EXPECT_FALSE(registerWindowClass(name.c_str(), ViewFrame::windowProc, moduleInstance));
    second.reset();
    EXPECT_TRUE(registerWindowClass(name.c_str(), ViewFrame::windowProc, moduleInstance));
    unregisterWindowClass(name.c_str(), moduleInstance);
    desktop::destroyHostWindow(secondHost);
}

TEST_F(FrameWindow, HostDestroyingItsWindowFirstStopsTheFrame) {
    open();
    auto* swatch = new Swatch(Rect(10, 10, 20, 20), kRed);
    frame->attachChild(swatch);
    desktop::postPaint(frame->window());
    desktop::destroyHostWindow(host);
    host = nullptr;
    EXPECT_FALSE(frame->isOpen());
    swatch->setValue(0.7f);
    frame->refreshChanged();
    frame->repaintView(nullptr);
    EXPECT_EQ(swatch->paints, 1);
    frame.reset();  // and its destruction leaves the destroyed window alone
}

namespace {
class CountingEditor : public EditorBase {
public:
    using EditorBase::EditorBase;
    void idle() override {
        EditorBase::idle();
        ++idles;
    }
    int idles = 0;
};

class CountingOwner : public EditorOwner {
public:
    void setEditor(EditorBase* newEditor) override { editor = newEditor; }
    void hostIdle() override { ++hostIdles; }
    bool sizeWindow(int32_t, int32_t) override { return false; }
    EditorBase* editor = nullptr;
    int hostIdles = 0;
};
}  // namespace

TEST(EditorIdle, ThrottledIdleRunsAtMostEvery50Milliseconds) {
    desktop::setTicks(1000);
    CountingOwner owner;
    auto editor = std::make_unique<CountingEditor>(&owner);
    EXPECT_EQ(owner.editor, editor.get());
    desktop::setTicks(1049);
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 0);  // 50 ms after construction at the earliest
    desktop::setTicks(1050);
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 1);
    desktop::setTicks(1070);
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 1);
    desktop::setTicks(1110);
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 2);
    desktop::setTicks(0xFFFFFFF0u);
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 3);
    desktop::setTicks(0x20u);  // the counter wrapped: 48 ms later
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 3);
    desktop::setTicks(0x30u);
    editor->throttledIdle();
    EXPECT_EQ(editor->idles, 4);
    EXPECT_EQ(owner.hostIdles, 4);  // the host is asked after every pass
    desktop::useRealTicks();
}

TEST(EditorIdle, UpdateRequestsRunOnceAndRedrawNeedsAFrame) {
    CountingOwner owner;
    auto editor = std::make_unique<CountingEditor>(&owner);
    editor->redrawAll(nullptr);  // no frame: nothing
    editor->parameterChanged(3, 0.5f);
    EXPECT_TRUE(editor->isUpdateRequested());
    editor->idle();
    EXPECT_FALSE(editor->isUpdateRequested());
    EditorRect* rect = nullptr;
    EXPECT_EQ(editor->editorRect(&rect), 1);
    EXPECT_NE(rect, nullptr);
}
