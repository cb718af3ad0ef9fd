// SPDX-License-Identifier: MIT
// The redraw rule of controls, the value display and the picture popup.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gui/ControlListener.h"
#include "gui/PicturePopup.h"
#include "gui/ValueDisplay.h"
#include "gui/ViewFrame.h"
#include "tests/support/Canvas.h"
#include "tests/support/PlatformText.h"

namespace {
class CountingControl : public Control {
public:
    CountingControl() : Control(Rect(0, 0, 10, 10), nullptr, 7) {}
    void paint(DrawContext*) override { ++paints; }
    int paints = 0;
};

class RecordingListener : public ControlListener {
public:
    void valueChanged(DrawContext*, Control* control) override {
        values.push_back(control->getValue());
        tags.push_back(control->getTag());
    }
    std::vector<float> values;
    std::vector<int32_t> tags;
};

void formatWhole(float value, char* text) { std::snprintf(text, 256, "%d", int(value)); }
}  // namespace

TEST(Control, RepaintsExactlyWhenTheValueDiffersFromTheDrawnOne) {
    Canvas canvas(10, 10);
    auto context = canvas.context();
    CountingControl control;
    EXPECT_EQ(control.getValue(), 0.0f);
    EXPECT_EQ(control.getDrawnValue(), -1.0f);
    EXPECT_EQ(control.getResetValue(), 0.5f);
    EXPECT_EQ(control.getMinimum(), 0.0f);
    EXPECT_EQ(control.getMaximum(), 1.0f);
    EXPECT_TRUE(control.isMouseActive());
    control.refresh(context.get());
    control.refresh(context.get());
    EXPECT_EQ(control.paints, 1);
    control.setValue(0.0f);
    control.refresh(context.get());
    EXPECT_EQ(control.paints, 1);
    control.setValue(7.5f);  // outside the range, stored as given
    EXPECT_EQ(control.getValue(), 7.5f);
    control.refresh(context.get());
    EXPECT_EQ(control.paints, 2);
    control.setValue(std::nanf(""));
    control.refresh(context.get());
    EXPECT_EQ(control.paints, 2);
    control.keepIdle();  // not attached: nothing happens
}

TEST(ValueDisplay, ForcedRepaintsFollowTheLookNotTheValue) {
    Canvas canvas(60, 20);
    auto context = canvas.context();
    ValueDisplay display(Rect(0, 0, 50, 17), nullptr, 0);
    display.refresh(context.get());
    EXPECT_EQ(display.getDrawnValue(), 0.0f);
    display.setDisplayFont(3);  // the current font: no repaint
    display.setDisplayInk(Color{255, 255, 255, 9});  // differs only in the unused byte
    display.setBackgroundOffset(Point(3, 3));
    display.setFormatter(formatWhole);
    EXPECT_EQ(display.getDrawnValue(), 0.0f);
    display.setDisplayFont(4);
    EXPECT_EQ(display.getDrawnValue(), 0.1f);
    display.refresh(context.get());
    EXPECT_EQ(display.getDrawnValue(), 0.0f);
    display.setDisplayAlignment(2);
    display.setDisplayFill(kBlue);
    display.setDisplayEdge(kRed);
    display.setDisplayShadow(kGreen);
    EXPECT_NE(display.getDrawnValue(), display.getValue());
}

TEST(ValueDisplay, PlainBackgroundIsFilledAndOutlined) {
    Canvas canvas(60, 30, kGrey.toColorRef());
    auto context = canvas.context();
    ValueDisplay display(Rect(5, 5, 45, 22), nullptr, 0);
    display.setDisplayFill(kBlue);
    display.setDisplayEdge(kRed);
    display.setDisplayInk(kWhite);
    display.setValue(0.5f);
    display.paint(context.get());
    EXPECT_EQ(canvas.pixel(5, 5), colorref::red);
    EXPECT_EQ(canvas.pixel(45, 22), colorref::red);
    EXPECT_EQ(canvas.pixel(6, 6), colorref::blue);
    EXPECT_EQ(canvas.pixel(4, 4), kGrey.toColorRef());
    int ink = (44 - 6) * (22 - 6) - canvas.countOther(6, 6, 44, 22, colorref::white);
    EXPECT_GT(ink, 10);  // "0.50" was written
}

TEST(ValueDisplay, DefaultTextIsTwoDecimalsCentredAsThePlatformDrawsIt) {
    const struct {
        float value;
        const char* text;
    } kValues[] = {{0.5f, "0.50"}, {2.0f, "2.00"}, {-12.345f, "-12.35"}, {1234.5f, "1234.50"}};
    const auto fillBox = [](Canvas& canvas, const platform::Box& box, Color color) {
        platform::Object brush = platform::createSolidBrush(color.toColorRef());
        platform::fillRect(canvas.dc(), box, brush);
        platform::deleteObject(brush);
    };
    for (const auto& expected : kValues) {
        SCOPED_TRACE(expected.text);
        Canvas mine(80, 30, kGrey.toColorRef()), reference(80, 30, kGrey.toColorRef());
        ValueDisplay display(Rect(5, 5, 75, 22), nullptr, 0);
        display.setDisplayFill(kBlue);
        display.setDisplayEdge(kRed);
        display.setValue(expected.value);
        display.paint(mine.context().get());

        // The outline and the inside, as the plain background test pins them;
        // then the default look: white "Arial" 12, centred, transparent.
        fillBox(reference, {5, 5, 76, 23}, kRed);
        fillBox(reference, {6, 6, 75, 22}, kBlue);
        PlatformText text(reference.dc(), PlatformText::kArial12, kWhite);
        text.draw(expected.text, platform::Box{5, 5, 75, 22},
                  platform::dtSingleLine | platform::dtVCenter | platform::dtCenter);
        expectSamePixels(mine, reference);
    }
}

TEST(ValueDisplay, EdgesPutTheFillOrTheEdgeColourTopLeft) {
    for (int32_t style : {ValueDisplay::kEdgesFillFirst, ValueDisplay::kEdgesEdgeFirst,
                          ValueDisplay::kEdgesFillFirst | ValueDisplay::kEdgesEdgeFirst}) {
        Canvas canvas(60, 30, kGrey.toColorRef());
        auto context = canvas.context();
        ValueDisplay display(Rect(5, 5, 45, 22), nullptr, style);
        display.setDisplayFill(kBlue);
        display.setDisplayEdge(kRed);
        display.setFormatter([](float, char* text) { text[0] = 0; });
        display.paint(context.get());
        platform::ColorRef topLeft =
            (style & ValueDisplay::kEdgesFillFirst) ? colorref::blue : colorref::red;
        platform::ColorRef bottomRight = topLeft == colorref::blue ? colorref::red : colorref::blue;
        EXPECT_EQ(canvas.pixel(5, 10), topLeft) << style;
        EXPECT_EQ(canvas.pixel(20, 5), topLeft) << style;
        EXPECT_EQ(canvas.pixel(45, 5), topLeft) << style;  // the top edge runs one pixel further
        EXPECT_EQ(canvas.pixel(45, 10), bottomRight) << style;
        EXPECT_EQ(canvas.pixel(20, 22), bottomRight) << style;
    }
}

TEST(ValueDisplay, ShadowIsDrawnFirstOnePixelRightAndDown) {
    Canvas plain(60, 30), shadowed(60, 30);
    ValueDisplay without(Rect(0, 0, 50, 20), nullptr, 0);
    ValueDisplay with(Rect(0, 0, 50, 20), nullptr, ValueDisplay::kShadowText);
    for (ValueDisplay* d : {&without, &with}) {
        d->setFormatter(formatWhole);
        d->setValue(12.9f);
        d->setDisplayFill(kBlack);
        d->setDisplayEdge(kBlack);
    }
    without.paint(plain.context().get());
    with.paint(shadowed.context().get());
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            if (plain.pixel(x, y) == colorref::white) {
                EXPECT_EQ(shadowed.pixel(x, y), colorref::white);
            }
            if (shadowed.pixel(x, y) == colorref::red) ++red;
        }
    EXPECT_GT(red, 0);
}

TEST(PicturePopup, ShowsAsModalAndHidesWithAWholeRepaint) {
    Canvas canvas(64, 64);
    ViewFrame frame(Rect(0, 0, 64, 64), nullptr, nullptr);
    auto context = canvas.context(&frame);
    RecordingListener listener;
    auto* popup = new PicturePopup(Rect(10, 50, 20, 60), &listener, 1, nullptr,
                                   Rect(5, 5, 40, 40), Point(0, 0));
    frame.attachChild(popup);
    frame.onMouseDown(context.get(), Point(10, 50));
    EXPECT_EQ(popup->getValue(), 1.0f);
    EXPECT_EQ(frame.getModal(), popup);
    EXPECT_EQ(popup->getSize(), Rect(5, 5, 40, 40));
    EXPECT_EQ(listener.values, std::vector<float>{1.0f});
    frame.onMouseDown(context.get(), Point(50, 50));  // outside the picture: dropped
    EXPECT_EQ(popup->getValue(), 1.0f);
    frame.onMouseDown(context.get(), Point(40, 40));
    EXPECT_EQ(popup->getValue(), 0.0f);
    EXPECT_EQ(frame.getModal(), nullptr);
    EXPECT_EQ(popup->getSize(), Rect(10, 50, 20, 60));
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(listener.tags, (std::vector<int32_t>{1, 1}));

    popup->setMouseActive(false);
    frame.onMouseDown(context.get(), Point(15, 55));
    EXPECT_EQ(popup->getValue(), 0.0f);
    popup->setMouseActive(true);

    CountingControl other;
    frame.setModal(&other);
    frame.onMouseDown(context.get(), Point(5, 5));
    popup->onMouseDown(context.get(), Point(15, 55));  // another view is modal: nothing changes
    EXPECT_EQ(popup->getValue(), 0.0f);
    EXPECT_EQ(listener.values.size(), 2u);
    frame.setModal(nullptr);
}
