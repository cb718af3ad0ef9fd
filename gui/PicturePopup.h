// SPDX-License-Identifier: MIT
#pragma once
// A control invisible at rest that, when clicked, shows a picture on top of
// everything as the frame's modal view until the picture is clicked again.

#include "gui/Control.h"

class Bitmap;

class PicturePopup : public Control {
public:
    PicturePopup(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* picture,
                 const Rect& popupRect, Point pictureOffset);
    ~PicturePopup() override;
    void paint(DrawContext* context) override;
    void onMouseDown(DrawContext* context, Point where) override;

    const Rect& getPopupRect() const { return popupRect; }

protected:
    Rect popupRect;
    Rect savedSize{0, 0, 0, 0};
    Bitmap* picture;
    Point pictureOffset;
};
