// SPDX-License-Identifier: MIT
#pragma once
// Pixel coverage rules shared by the drawing calls, matched to what GDI (as
// Wine draws it) covers: lines without their end pixel, polygons sampled at
// pixel corners with right and bottom edges left out, and ellipses.

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "gui/platform/platform.h"
#include "gui/platform/soft/ColorMapping.h"
#include "gui/platform/soft/Surface.h"

namespace soft {

// GDI's coordinate space is 27 bits; beyond this calls draw nothing, which
// also keeps the arithmetic below exact.
constexpr int32_t maxCoordinate = 1 << 26;
inline bool inCoordinateRange(platform::Pt p) {
    return std::abs(p.x) <= maxCoordinate && std::abs(p.y) <= maxCoordinate;
}

inline int64_t ceilDiv(int64_t a, int64_t b) {  // b > 0
    return a >= 0 ? (a + b - 1) / b : -(-a / b);
}

// Calls visit(x, y, index) for each pixel of the one-pixel line from `from`
// up to but not including `to` that lies inside width by height; index
// counts pixels from the start (for dash patterns). Along the minor axis
// halfway points round towards negative coordinates in every octant, which
// is how Wine steps.
template <typename Visit>
void traceLine(platform::Pt from, platform::Pt to, int32_t width, int32_t height, Visit visit) {
    if (!inCoordinateRange(from) || !inCoordinateRange(to)) return;
    int64_t dx = int64_t(to.x) - from.x, dy = int64_t(to.y) - from.y;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    int64_t length = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (length == 0) return;
    int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    int64_t minorDelta = xMajor ? dy : dx;
    int64_t major0 = xMajor ? from.x : from.y, minor0 = xMajor ? from.y : from.x;
    int64_t majorSize = xMajor ? width : height, minorSize = xMajor ? height : width;
    // Only the steps whose major coordinate is on the surface.
    int64_t first = majorStep > 0 ? -major0 : major0 - majorSize + 1;
    int64_t last = majorStep > 0 ? majorSize - major0 : major0 + 1;
    if (first < 0) first = 0;
    if (last > length) last = length;
    for (int64_t t = first; t < last; ++t) {
        int64_t minor = minor0 + ceilDiv(2 * t * minorDelta - length, 2 * length);
        if (minor < 0 || minor >= minorSize) continue;
        int64_t major = major0 + majorStep * t;
        if (xMajor) {
            visit(int32_t(major), int32_t(minor), int32_t(t));
        } else {
            visit(int32_t(minor), int32_t(major), int32_t(t));
        }
    }
}

struct PointF {
    double x, y;
};

// Fills a polygon with the alternate (even-odd) rule: pixel (x, y) is in when
// the point (x, y) is, edges through it counting on their left and top sides.
void fillPolygon(Surface& surface, const PointF* points, int32_t count, const BrushPaint& paint);

// The pixels GDI's Ellipse covers for a bounding box, by rows: along each
// row and column the curve is rounded to the nearest pixel, and everything
// inside it is covered.
class EllipseShape {
public:
    EllipseShape(int32_t left, int32_t top, int32_t right, int32_t bottom);
    bool empty() const { return firstRow >= endRow; }
    int32_t top() const { return firstRow; }
    int32_t bottom() const { return endRow; }  // excluded
    // The covered pixels of row y: [x0, x1); false when there are none.
    bool span(int32_t y, int32_t& x0, int32_t& x1) const;
    // The covered pixels of row y that no pen edge touches: [x0, x1).
    bool interior(int32_t y, int32_t& x0, int32_t& x1) const;
    bool contains(int32_t x, int32_t y) const;
    // Counter-clockwise angle of a point seen from the centre, in radians
    // [0, 2 pi), on the ellipse scaled to a circle.
    double angleOf(double x, double y) const;
    // The point of the curve at that angle, rounded to a pixel.
    platform::Pt pointAt(double angle) const;

private:
    double centreX = 0, centreY = 0, radiusX = 0, radiusY = 0;
    int32_t firstRow = 0, endRow = 0;
};

// True when `angle` lies on the counter-clockwise sweep from `start` to
// `end`; equal ends sweep the whole turn.
bool inSweep(double angle, double start, double end);

}  // namespace soft
