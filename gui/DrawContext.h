// SPDX-License-Identifier: MIT
#pragma once
// A short-lived drawing context over one platform device context: keeps the
// pen, brush, ink and font the views set before they draw. Lives for one
// paint, one mouse press or one idle pass.

#include "gui/Geometry.h"
#include "gui/platform/platform.h"

class ViewFrame;

class DrawContext {
public:
    DrawContext(ViewFrame* frame, platform::Dc deviceContext, platform::Window window);
    virtual ~DrawContext();

    void setPenColor(Color color);
    void setPenWidth(int32_t width);
    void setPenStyle(int32_t style);  // 0 solid, 1 dotted
    void setBrushColor(Color color);
    void setInkColor(Color color);
    void selectFont(int32_t fontId, int32_t size);

    void penMoveTo(Point point);
    void penLineTo(Point point);
    void strokePolyline(const Point* points, int32_t count);
    void fillPoly(const Point* points, int32_t count);
    void outlineRect(const Rect& rect);
    void fillRectInner(const Rect& rect);
    void outlineEllipse(const Rect& rect);
    void fillEllipseInner(const Rect& rect);
    void outlineArc(const Rect& rect, Point from, Point to);
    void fillPieInner(const Rect& rect, Point from, Point to);
    void plotPixel(Point point, Color color);
    void printText(const char* text, const Rect& rect, int16_t opaque, int32_t alignment);

    // Bits: 1 left, 2 middle, 4 right button, 8 shift, 16 control, 32 alt.
    int32_t pollMouseButtons();
    void pollMouseLocation(Point& out);

    platform::Dc deviceContext() const { return dc; }
    platform::Window window() const { return windowHandle; }
    ViewFrame* frame() const { return ownerFrame; }
    Color penColor() const { return pen; }
    Color brushColor() const { return brush; }
    Color inkColor() const { return ink; }
    int32_t fontSize() const { return fontPixels; }

    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

protected:
    void rebuildPen();
    // Runs a fill with the null pen selected, then puts the pen back.
    template <typename Fill>
    void withNullPen(Fill fill);

    platform::Dc dc;
    platform::Window windowHandle;
    ViewFrame* ownerFrame;
    int32_t fontPixels = 0;
    Color ink = kWhite;
    int32_t penWidth = 1;
    Color pen = kWhite;
    Color brush = kBlack;
    int32_t penStyle = 0;
    platform::Object createdBrush = nullptr;
    platform::Object createdPen = nullptr;
    platform::Object createdFont = nullptr;
    platform::Object savedBrush = nullptr;
    platform::Object savedPen = nullptr;
    platform::Object savedFont = nullptr;
    int32_t platformPenStyle = platform::penSolid;
};
