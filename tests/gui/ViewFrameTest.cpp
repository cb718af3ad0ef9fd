// SPDX-License-Identifier: MIT
// The frame's view list, dispatch, modal and focus rules, without a window.

#include <gtest/gtest.h>

#include <string>

#include "gui/ViewFrame.h"
#include "tests/support/Canvas.h"

namespace {
// A view that logs what reaches it under its name.
class LoggingView : public View {
public:
    LoggingView(const Rect& size, std::string name, std::string& log)
        : View(size), name(std::move(name)), log(log) {}
    ~LoggingView() override { log += "~" + name + " "; }
    void paint(DrawContext*) override { log += "paint:" + name + " "; }
    void onMouseDown(DrawContext*, Point where) override {
        log += "press:" + name + "@" + std::to_string(where.h) + "," + std::to_string(where.v) + " ";
    }
    void refresh(DrawContext*) override { log += "refresh:" + name + " "; }
    void onBlur() override { log += "blur:" + name + " "; }

    std::string name;
    std::string& log;
};

class Frame : public testing::Test {
protected:
    LoggingView* add(const Rect& r, const char* name) {
        auto* view = new LoggingView(r, name, log);
        EXPECT_TRUE(frame->attachChild(view));
        return view;
    }
    void press(int x, int y) {
        log.clear();
        frame->onMouseDown(context.get(), Point(x, y));
    }

    std::string log;
    Canvas canvas{64, 64};
    std::unique_ptr<ViewFrame> frame = std::make_unique<ViewFrame>(Rect(0, 0, 64, 64), nullptr, nullptr);
    std::unique_ptr<DrawContext> context = canvas.context(frame.get());
};
}  // namespace

TEST_F(Frame, LaterChildrenPaintOverAndAreHitFirst) {
    LoggingView* a = add(Rect(0, 0, 30, 30), "a");
    add(Rect(20, 20, 50, 50), "b");
    EXPECT_EQ(a->getFrame(), frame.get());
    EXPECT_EQ(frame->childCount(), 2);
    frame->paint(context.get());
    EXPECT_EQ(log, "paint:a paint:b ");
    EXPECT_FALSE(frame->isFirstPaintPending());
    press(25, 25);
    EXPECT_EQ(log, "press:b@25,25 ");
    press(30, 30);  // right and bottom edges are inside
    EXPECT_EQ(log, "press:b@30,30 ");
    press(5, 5);
    EXPECT_EQ(log, "press:a@5,5 ");
    press(60, 60);
    EXPECT_EQ(log, "");
}

TEST_F(Frame, ModalViewTakesPressesRefreshesAndPaintsOnTop) {
    add(Rect(0, 0, 64, 64), "game");
    LoggingView* popup = add(Rect(10, 10, 20, 20), "popup");
    EXPECT_TRUE(frame->setModal(popup));
    EXPECT_FALSE(frame->setModal(popup));  // a second modal view is refused
    press(40, 40);
    EXPECT_EQ(log, "");
    press(15, 15);
    EXPECT_EQ(log, "press:popup@15,15 ");
    log.clear();
    frame->refresh(context.get());
    EXPECT_EQ(log, "refresh:popup ");
    log.clear();
    frame->paint(context.get());
    EXPECT_EQ(log, "paint:game paint:popup paint:popup ");
    EXPECT_TRUE(frame->setModal(nullptr));
    log.clear();
    frame->refresh(context.get());
    EXPECT_EQ(log, "refresh:game refresh:popup ");
}

TEST_F(Frame, PressOutsideTheFocusViewBlursItFirst) {
    LoggingView* field = add(Rect(0, 0, 10, 10), "field");
    add(Rect(20, 20, 40, 40), "other");
    frame->setFocusView(field);
    press(5, 5);
    EXPECT_EQ(log, "press:field@5,5 ");
    press(30, 30);
    EXPECT_EQ(log, "blur:field press:other@30,30 ");
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(Frame, DetachKeepsOrderAndDestructionDeletesChildren) {
    LoggingView* a = add(Rect(0, 0, 5, 5), "a");
    LoggingView* b = add(Rect(0, 0, 5, 5), "b");
    add(Rect(0, 0, 5, 5), "c");
    for (int i = 0; i < 20; ++i) add(Rect(100, 100, 101, 101), "x");  // grows past its first block
    LoggingView stranger(Rect(0, 0, 1, 1), "stranger", log);
    EXPECT_TRUE(frame->detachChild(&stranger));
    EXPECT_EQ(frame->childCount(), 23);
    EXPECT_TRUE(frame->detachChild(b));
    EXPECT_EQ(frame->childCount(), 22);
    EXPECT_EQ(frame->childAt(0), a);
    EXPECT_EQ(static_cast<LoggingView*>(frame->childAt(1))->name, "c");
    delete b;
    log.clear();
    frame->setFocusView(a);
    frame.reset();
    EXPECT_NE(log.find("blur:a ~a ~c ~x"), std::string::npos) << log;
    EXPECT_EQ(log.find("~b"), std::string::npos);
    context.reset();
}

TEST_F(Frame, WithoutAWindowNothingIsDrawnOutsidePaint) {
    add(Rect(0, 0, 10, 10), "a");
    frame->paint(context.get());
    log.clear();
    frame->refreshChanged();
    frame->repaintView(nullptr);
    EXPECT_EQ(log, "");
}
