// SPDX-License-Identifier: MIT
// What views read of the buttons, keys and pointer during an editor idle:
// one reading for the whole idle, a new one at the next. Runs on the test
// desktop of each platform, with input held as the user holds it.

#include <gtest/gtest.h>

#include <functional>

#include "gui/Control.h"
#include "gui/DrawContext.h"
#include "gui/EditorBase.h"
#include "gui/ViewFrame.h"
#include "gui/platform/testdesktop/TestDesktop.h"

using namespace platform;

namespace {
// Reads the input twice in every idle, with `between` run in the middle.
class PollingView : public Control {
public:
    PollingView() : Control(Rect(0, 0, 10, 10), nullptr, 0) {}
    void refresh(DrawContext* context) override {
        firstButtons = context->pollMouseButtons();
        context->pollMouseLocation(firstWhere);
        if (between) between();
        secondButtons = context->pollMouseButtons();
        context->pollMouseLocation(secondWhere);
    }
    std::function<void()> between;
    int32_t firstButtons = -1, secondButtons = -1;
    Point firstWhere{-1, -1}, secondWhere{-1, -1};
};

class FramedEditor : public EditorBase {
public:
    FramedEditor() : EditorBase(nullptr) {}
    ~FramedEditor() override { delete frame; }
    int32_t open(void* parent) override {
        EditorBase::open(parent);
        frame = new ViewFrame(Rect(0, 0, 100, 80), parent, this);
        frame->attachChild(view = new PollingView);
        desktop::postPaint(frame->window());
        return 1;
    }
    PollingView* view = nullptr;
};
}  // namespace

TEST(IdleInput, HeldInputReadsTheSameThroughAnIdleAndChangesAtTheNext) {
    Window host = desktop::createHostWindow(120, 100, 100, 50);
    {
        FramedEditor editor;
        editor.open(host);
        desktop::setPointer(Pt{130, 70});
        // Control held while clicking the left button reads as both.
        desktop::setHeld(vkControl, true);
        desktop::setHeld(vkLeftButton, true);
        editor.view->between = [] {
            desktop::releaseAll();
            desktop::setPointer(Pt{160, 90});
        };
        editor.idle();
        PollingView& view = *editor.view;
        EXPECT_EQ(view.firstButtons, 1 | 16);
        EXPECT_EQ(view.secondButtons, 1 | 16);
        EXPECT_EQ(view.firstWhere, Point(30, 20));
        EXPECT_EQ(view.secondWhere, Point(30, 20));

        view.between = [] { desktop::setHeld(vkShift, true); };
        editor.idle();
        EXPECT_EQ(view.firstButtons, 0);
        EXPECT_EQ(view.secondButtons, 0);
        EXPECT_EQ(view.firstWhere, Point(60, 40));
        editor.view->between = nullptr;
        editor.idle();
        EXPECT_EQ(view.firstButtons, 8);

        // Outside an idle every read reads anew.
        desktop::releaseAll();
        EXPECT_FALSE(isKeyDown(vkShift));
        desktop::setHeld(vkAlt, true);
        EXPECT_TRUE(isKeyDown(vkAlt));
        desktop::releaseAll();
    }
    desktop::destroyHostWindow(host);
}

TEST(IdleInput, APassInsideAPassReadsAnew) {
    desktop::setHeld(vkRightButton, true);
    beginInputPass(nullptr);
    EXPECT_TRUE(isKeyDown(vkRightButton));
    desktop::setHeld(vkRightButton, false);
    EXPECT_TRUE(isKeyDown(vkRightButton));
    beginInputPass(nullptr);
    EXPECT_FALSE(isKeyDown(vkRightButton));
    endInputPass();
    endInputPass();
    desktop::setHeld(vkRightButton, true);
    EXPECT_TRUE(isKeyDown(vkRightButton));
    desktop::releaseAll();
    EXPECT_FALSE(isKeyDown(vkRightButton));
}
