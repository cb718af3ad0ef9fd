// SPDX-License-Identifier: MIT
#pragma once
// The base of every view in the frame: a rectangle in frame-window pixels.
// Virtual slots 0 to 6; every view class keeps this order.

#include "gui/Geometry.h"

class DrawContext;
class OffscreenContext;
class ViewFrame;

class View {
public:
    explicit View(const Rect& size) : size(size) {}
    virtual ~View();                                          // 0
    virtual void paint(DrawContext* context);                 // 1
    virtual void onMouseDown(DrawContext* context, Point where);  // 2
    virtual void refresh(DrawContext* context);               // 3
    virtual void onBlur();                                    // 4
    virtual void onFocus();                                   // 5
    virtual void setBackdrop(OffscreenContext* offscreen);    // 6

    void repaintNow();
    const Rect& getSize() const { return size; }
    void setSize(const Rect& newSize) { size = newSize; }
    ViewFrame* getFrame() const { return frame; }
    void setFrame(ViewFrame* newFrame) { frame = newFrame; }
    OffscreenContext* getBackdrop() const { return backdrop; }

    View(const View&) = delete;
    View& operator=(const View&) = delete;

protected:
    Rect size;
    ViewFrame* frame = nullptr;
    OffscreenContext* backdrop = nullptr;
};
