// SPDX-License-Identifier: MIT
#pragma once
// A control that shows its value as one line of text over a piece of a
// bitmap or a filled rectangle. Slots 20 to 27 follow the control's.

#include "gui/Control.h"

class Bitmap;

class ValueDisplay : public Control {
public:
    // Writes the value as text into a 256-byte buffer whose first byte is 0.
    using Formatter = void (*)(float value, char* text);
    static constexpr int32_t kShadowText = 0x4;
    static constexpr int32_t kEdgesFillFirst = 0x80;
    static constexpr int32_t kEdgesEdgeFirst = 0x100;

    ValueDisplay(const Rect& size, Bitmap* background, int32_t style);
    ~ValueDisplay() override;
    void paint(DrawContext* context) override;

    virtual void setDisplayFont(int32_t fontId);        // 20
    virtual void setDisplayInk(Color color);            // 21
    virtual void setDisplayFill(Color color);           // 22
    virtual void setDisplayEdge(Color color);           // 23
    virtual void setDisplayShadow(Color color);         // 24
    virtual void setDisplayAlignment(int32_t newAlignment);  // 25
    virtual void setBackgroundOffset(Point offset);     // 26
    virtual void setFormatter(Formatter function);      // 27

protected:
    void paintText(DrawContext* context, const char* text, Bitmap* extraBitmap);
    // Makes the next refresh paint even though the value did not change.
    void forceRepaint();
    void setColor(Color& field, Color color);

    int32_t alignment = 1;
    int32_t style;
    int32_t fontId = 3;
    Color ink = kWhite;
    Color fill = kBlack;
    Color edge = kBlack;
    Color shadow = kRed;
    Point backgroundOffset{0, 0};
    Bitmap* background;
    Formatter formatter = nullptr;
};
