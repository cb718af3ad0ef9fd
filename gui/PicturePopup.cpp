// SPDX-License-Identifier: MIT
#include "gui/PicturePopup.h"

#include "gui/Bitmap.h"
#include "gui/ControlListener.h"
#include "gui/DrawContext.h"
#include "gui/ViewFrame.h"

PicturePopup::PicturePopup(const Rect& size, ControlListener* listener, int32_t tag,
                           Bitmap* picture, const Rect& popupRect, Point pictureOffset)
    : Control(size, listener, tag), popupRect(popupRect), picture(picture),
      pictureOffset(pictureOffset) {
    if (picture) picture->retain();
}

PicturePopup::~PicturePopup() {
    if (picture) picture->release();
}

void PicturePopup::paint(DrawContext* context) {
    if (float(value) != 0.0f && picture) picture->blit(context, popupRect, pictureOffset);
}

void PicturePopup::onMouseDown(DrawContext* context, Point) {
    if (!mouseActive || !frame) return;
    if (float(value) == 0.0f) {
        // Another view already modal: the click changes nothing at all.
        if (!frame->setModal(this)) return;
        value = 1.0f;
        savedSize = size;
        size = popupRect;
        paint(context);
    } else {
        value = 0.0f;
        size = savedSize;
        frame->setModal(nullptr);
        frame->paint(context);
    }
    if (listener) listener->valueChanged(context, this);
}
