// SPDX-License-Identifier: MIT
#include "gui/View.h"

#include "gui/OffscreenContext.h"
#include "gui/ViewFrame.h"

View::~View() = default;
void View::paint(DrawContext*) {}
void View::onMouseDown(DrawContext*, Point) {}
void View::refresh(DrawContext*) {}
void View::onBlur() {}
void View::onFocus() {}

void View::setBackdrop(OffscreenContext* offscreen) {
    if (offscreen && offscreen->imageWidth() >= size.width() &&
        offscreen->imageHeight() >= size.height())
        backdrop = offscreen;
}

void View::repaintNow() {
    if (frame) frame->repaintView(this);
}
