// SPDX-License-Identifier: MIT
// Filled and outlined shapes and single pixels: Polygon, FillRect, Ellipse,
// Arc, Pie, SetPixel, GetPixel.
//
// Ellipses with the null pen cover exactly the bounding box's ellipse; with
// a pen, its outermost pixels take the pen and the rest the brush, as on
// Wine. Arcs and pies take the part of that shape whose angle seen from the
// centre lies counter-clockwise from the start point to the end point. The
// edges of curves can differ from GDI's by a pixel; dotted pens draw curves
// solid.

#include <algorithm>
#include <vector>

#include "gui/platform/soft/Bounds.h"
#include "gui/platform/soft/ColorMapping.h"
#include "gui/platform/soft/DeviceContext.h"
#include "gui/platform/soft/Raster.h"
#include "gui/platform/soft/Stroke.h"

namespace soft {

namespace {
int32_t penWidth(const DeviceContext& dc) {
    return dc.pen->style == platform::penNull ? 0 : dc.pen->width;
}

// The pen's ring lies between `outer` and the interior of `inner`, the box
// drawn with a one-pixel pen; wider pens grow it both ways.
struct CurveShapes {
    EllipseShape outer, inner;
};

CurveShapes curveShapes(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t pen) {
    int32_t grow = std::max(pen - 1, 0) / 2, shrink = std::max(pen - 1, 0) - grow;
    return {EllipseShape(left - grow, top - grow, right + grow, bottom + grow),
            EllipseShape(left + shrink, top + shrink, right - shrink, bottom - shrink)};
}

// Calls visit(x, y, isPen) for every pixel of the shape on the surface.
template <typename Visit>
void forEachCurvePixel(const Surface& surface, const CurveShapes& shapes, bool withPen,
                       Visit visit) {
    const EllipseShape& outer = shapes.outer;
    int32_t firstRow = std::max(outer.top(), 0), endRow = std::min(outer.bottom(), surface.height());
    for (int32_t y = firstRow; y < endRow; ++y) {
        int32_t x0, x1, inside0 = 0, inside1 = 0;
        if (!outer.span(y, x0, x1)) continue;
        if (withPen && !shapes.inner.interior(y, inside0, inside1)) inside0 = inside1 = x1;
        x0 = std::max(x0, 0);
        x1 = std::min(x1, surface.width());
        for (int32_t x = x0; x < x1; ++x)
            visit(x, y, withPen && (x < inside0 || x >= inside1));
    }
}

void drawCurve(DeviceContext& dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
               bool fill, const platform::Pt* sweepEnds) {
    Surface& surface = *dc.surface;
    int32_t pen = penWidth(dc);
    noteDrawn(dc, boxOf(int64_t(left) - pen, int64_t(top) - pen, int64_t(right) + pen,
                        int64_t(bottom) + pen));
    CurveShapes shapes = curveShapes(left, top, right, bottom, pen);
    if (shapes.outer.empty()) return;
    Pixel ink = penPixel(surface, dc.pen->color, dc.bkColor);
    BrushPaint paint(surface, dc.brush->color);
    double start = 0, end = 0;
    if (sweepEnds) {
        start = shapes.outer.angleOf(sweepEnds[0].x, sweepEnds[0].y);
        end = shapes.outer.angleOf(sweepEnds[1].x, sweepEnds[1].y);
    }
    forEachCurvePixel(surface, shapes, pen > 0, [&](int32_t x, int32_t y, bool isPen) {
        if (!isPen && !fill) return;
        if (sweepEnds && !inSweep(shapes.outer.angleOf(x, y), start, end)) return;
        surface.row(y)[x] = isPen ? ink : paint.at(x, y);
    });
}
}  // namespace

}  // namespace soft

namespace platform {

void polygon(Dc dc, const Pt* points, int32_t count) {
    if (!dc || !points || count < 2) return;
    static std::vector<soft::PointF> corners;  // kept: steady drawing allocates nothing
    corners.clear();
    Box extent{0, 0, 0, 0};
    for (int32_t i = 0; i < count; ++i) {
        if (!soft::inCoordinateRange(points[i])) return;
        corners.push_back({double(points[i].x), double(points[i].y)});
        extent = soft::unite(extent, soft::boxOf(points[i].x, points[i].y, int64_t(points[i].x) + 1,
                                                 int64_t(points[i].y) + 1));
    }
    soft::noteDrawn(*dc, extent);
    soft::fillPolygon(*dc->surface, corners.data(), count,
                      soft::BrushPaint(*dc->surface, dc->brush->color));
    int32_t dashIndex = 0;
    for (int32_t i = 0; i < count; ++i)
        soft::strokeSegment(*dc, points[i], points[(i + 1) % count], dashIndex);
}

void fillRect(Dc dc, const Box& box, Object brush) {
    soft::Brush* paint = soft::asBrush(brush);
    if (!dc || !paint) return;
    soft::Surface& surface = *dc->surface;
    soft::noteDrawn(*dc, box);
    soft::BrushPaint pixels(surface, paint->color);
    int32_t top = std::max(box.top, 0), bottom = std::min(box.bottom, surface.height());
    for (int32_t y = top; y < bottom; ++y) pixels.fillSpan(surface, y, box.left, box.right);
}

void ellipse(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (dc) soft::drawCurve(*dc, left, top, right, bottom, true, nullptr);
}

void arc(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart,
         int32_t yStart, int32_t xEnd, int32_t yEnd) {
    if (!dc || soft::penWidth(*dc) == 0) return;
    Pt ends[2] = {{xStart, yStart}, {xEnd, yEnd}};
    soft::drawCurve(*dc, left, top, right, bottom, false, ends);
}

void pie(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart,
         int32_t yStart, int32_t xEnd, int32_t yEnd) {
    if (!dc) return;
    Pt ends[2] = {{xStart, yStart}, {xEnd, yEnd}};
    soft::drawCurve(*dc, left, top, right, bottom, true, ends);
    if (soft::penWidth(*dc) == 0) return;
    // The two radii, from the centre to where the sweep starts and ends.
    soft::EllipseShape shape(left, top, right, bottom);
    if (shape.empty()) return;
    Pt centre{(left + right - 1) / 2, (top + bottom - 1) / 2};
    int32_t dashIndex = 0;
    soft::strokeSegment(*dc, centre, shape.pointAt(shape.angleOf(xStart, yStart)), dashIndex);
    soft::strokeSegment(*dc, centre, shape.pointAt(shape.angleOf(xEnd, yEnd)), dashIndex);
}

void setPixel(Dc dc, int32_t x, int32_t y, ColorRef color) {
    if (!dc) return;
    soft::noteDrawn(*dc, soft::boxOf(x, y, int64_t(x) + 1, int64_t(y) + 1));
    dc->surface->plot(x, y, soft::nearestPixel(*dc->surface, color));
}

ColorRef getPixel(Dc dc, int32_t x, int32_t y) {
    if (!dc || !dc->surface->contains(x, y)) return 0xFFFFFFFF;
    soft::Pixel pixel = dc->surface->at(x, y);
    if (dc->surface->isMono()) return pixel ? rgb(255, 255, 255) : rgb(0, 0, 0);
    return soft::toColorRef(pixel);
}

}  // namespace platform
