// SPDX-License-Identifier: MIT
#pragma once
// The about panel: a hot spot over the product logo that opens a grey plate
// with four centred lines, modal until it is clicked again.

#include "gui/PicturePopup.h"

class AboutView : public PicturePopup {
public:
    AboutView(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* panel,
              const Rect& panelRect, Point pictureOffset, Point textOffset);
    ~AboutView() override;
    void paint(DrawContext* context) override;

private:
    Point textOffset;
};
