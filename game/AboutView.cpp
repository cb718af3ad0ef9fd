// SPDX-License-Identifier: MIT
#include "game/AboutView.h"

#include "gui/DrawContext.h"

namespace {
struct AboutLine {
    const char* text;
    int32_t fontId;
    Color ink;
    int32_t gapAfter;  // how far the next line's rectangle moves down
};

constexpr Color kTitleInk{45, 45, 120, 0};
constexpr Color kCreditInk{60, 60, 60, 0};
constexpr AboutLine kLines[] = {
    {"Orvane Skyrun v 1.0", 4, kTitleInk, 18},
    {"Copyright 2026 Orvane. All rights reserved.", 4, kTitleInk, 18},
    {"www.orvane.example", 4, kTitleInk, 26},
    {"PlugIn Interface Technology 2.0", 5, kCreditInk, 0},
};
}  // namespace

AboutView::AboutView(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* panel,
                     const Rect& panelRect, Point pictureOffset, Point textOffset)
    : PicturePopup(size, listener, tag, panel, panelRect, pictureOffset), textOffset(textOffset) {}

AboutView::~AboutView() = default;

void AboutView::paint(DrawContext* context) {
    if (getValue() == 0.0f) return;
    PicturePopup::paint(context);
    Rect line(0, 0, size.width(), 15);
    line.offsetBy(popupRect.left + textOffset.h, popupRect.top + textOffset.v);
    for (const AboutLine& about : kLines) {
        context->selectFont(about.fontId, 0);
        context->setInkColor(about.ink);
        context->printText(about.text, line, 0, 1);
        line.offsetBy(0, about.gapAfter);
    }
}
