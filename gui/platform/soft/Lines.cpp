// SPDX-License-Identifier: MIT
// Lines and polylines, and the pen strokes that shape outlines reuse.
//
// Wine's rules, which these follow: a dotted pen is 3 pixels on, 3 off,
// restarting at every LineTo; in opaque background mode the gaps take the
// background colour; pens wider than one pixel draw solid whatever their
// style, as a band of that width with a round cap (an ellipse of the pen's
// width) at each end.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gui/platform/soft/Bounds.h"
#include "gui/platform/soft/ColorMapping.h"
#include "gui/platform/soft/Raster.h"
#include "gui/platform/soft/Stroke.h"

namespace soft {

namespace {
constexpr int32_t dotLength = 3;

void fillCap(Surface& surface, platform::Pt at, int32_t width, Pixel pixel) {
    int32_t left = at.x - width / 2, top = at.y - width / 2;
    EllipseShape cap(left, top, left + width, top + width);
    for (int32_t y = cap.top(); y < cap.bottom(); ++y) {
        int32_t x0, x1;
        if (cap.span(y, x0, x1)) surface.fillSpan(y, x0, x1, pixel);
    }
}

void strokeWide(Surface& surface, platform::Pt from, platform::Pt to, int32_t width,
                Pixel pixel) {
    if (!inCoordinateRange(from) || !inCoordinateRange(to)) return;
    double dx = to.x - from.x, dy = to.y - from.y;
    double length = std::hypot(dx, dy);
    if (length > 0) {
        double nx = -dy / length * width / 2, ny = dx / length * width / 2;
        PointF band[4] = {{from.x + nx, from.y + ny},
                          {to.x + nx, to.y + ny},
                          {to.x - nx, to.y - ny},
                          {from.x - nx, from.y - ny}};
        fillPolygon(surface, band, 4, BrushPaint(pixel));
    }
    fillCap(surface, from, width, pixel);
    fillCap(surface, to, width, pixel);
}
}  // namespace

void strokeSegment(DeviceContext& dc, platform::Pt from, platform::Pt to, int32_t& dashIndex) {
    const Pen& pen = *dc.pen;
    if (pen.style == platform::penNull) return;
    // A wide pen's band and round ends reach at most its width past the ends.
    int64_t reach = std::max(pen.width, 1);
    noteDrawn(dc, boxOf(std::min(from.x, to.x) - reach, std::min(from.y, to.y) - reach,
                        std::max(from.x, to.x) + reach + 1, std::max(from.y, to.y) + reach + 1));
    Surface& surface = *dc.surface;
    Pixel ink = penPixel(surface, pen.color, dc.bkColor);
    if (pen.width > 1) {
        strokeWide(surface, from, to, pen.width, ink);
        return;
    }
    int64_t length = std::max(std::llabs(int64_t(to.x) - from.x), std::llabs(int64_t(to.y) - from.y));
    if (pen.style != platform::penDot) {
        traceLine(from, to, surface.width(), surface.height(),
                  [&](int32_t x, int32_t y, int32_t) { surface.row(y)[x] = ink; });
    } else {
        bool opaque = dc.bkMode == platform::bkOpaque;
        Pixel gap = penPixel(surface, dc.bkColor, dc.bkColor);
        int32_t start = dashIndex;
        traceLine(from, to, surface.width(), surface.height(),
                  [&](int32_t x, int32_t y, int32_t index) {
                      bool on = (start + index) % (2 * dotLength) < dotLength;
                      if (on || opaque) surface.row(y)[x] = on ? ink : gap;
                  });
    }
    dashIndex = int32_t((dashIndex + length) % (2 * dotLength));
}

}  // namespace soft

namespace platform {

void moveTo(Dc dc, int32_t x, int32_t y) {
    if (dc) dc->position = {x, y};
}

void lineTo(Dc dc, int32_t x, int32_t y) {
    if (!dc) return;
    int32_t dashIndex = 0;
    soft::strokeSegment(*dc, dc->position, {x, y}, dashIndex);
    dc->position = {x, y};
}

void polyline(Dc dc, const Pt* points, int32_t count) {
    if (!dc || !points) return;
    int32_t dashIndex = 0;
    for (int32_t i = 0; i + 1 < count; ++i) soft::strokeSegment(*dc, points[i], points[i + 1], dashIndex);
}

}  // namespace platform
