// SPDX-License-Identifier: MIT
#include "gui/platform/soft/Raster.h"

#include <algorithm>
#include <numbers>
#include <vector>

namespace soft {

void fillPolygon(Surface& surface, const PointF* points, int32_t count, const BrushPaint& paint) {
    if (count < 3) return;
    double minY = points[0].y, maxY = points[0].y;
    for (int32_t i = 1; i < count; ++i) {
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    int32_t firstRow = int32_t(std::max(std::ceil(minY), 0.0));
    int32_t endRow = int32_t(std::min(std::ceil(maxY), double(surface.height())));
    // Kept between calls, so steady drawing allocates nothing.
    static std::vector<int32_t> crossings;
    for (int32_t y = firstRow; y < endRow; ++y) {
        crossings.clear();
        for (int32_t i = 0; i < count; ++i) {
            PointF a = points[i], b = points[(i + 1) % count];
            if (a.y == b.y) continue;
            if (a.y > b.y) std::swap(a, b);
            if (y < a.y || y >= b.y) continue;
            // One division of exact products: integer corners give exact
            // crossings, so ceil never lands on the wrong pixel.
            double x = (a.x * (b.y - a.y) + (y - a.y) * (b.x - a.x)) / (b.y - a.y);
            crossings.push_back(int32_t(std::clamp(std::ceil(x), -1.0, surface.width() + 1.0)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            paint.fillSpan(surface, y, crossings[i], crossings[i + 1]);
    }
}

EllipseShape::EllipseShape(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (!inCoordinateRange({left, top}) || !inCoordinateRange({right, bottom})) return;
    if (right - left < 1 || bottom - top < 1) return;
    radiusX = (right - left - 1) / 2.0;
    radiusY = (bottom - top - 1) / 2.0;
    centreX = left + radiusX;
    centreY = top + radiusY;
    firstRow = top;
    endRow = bottom;
}

namespace {
// How far the curve reaches along one axis at `offset` along the other;
// 0 / 0 (a flat ellipse's own axis) counts as the middle.
double reach(double radius, double offset, double otherRadius) {
    if (offset > otherRadius) return -1;
    double ratio = otherRadius > 0 ? offset / otherRadius : 0;
    return radius * std::sqrt(std::max(0.0, 1 - ratio * ratio));
}
}  // namespace

bool EllipseShape::span(int32_t y, int32_t& x0, int32_t& x1) const {
    if (y < firstRow || y >= endRow) return false;
    double dy = std::abs(y - centreY);
    // Columns whose curve point rounds to this row or beyond, and the row's
    // own curve point rounded to the nearest pixel.
    double byColumns = reach(radiusX, std::max(0.0, dy - 0.5), radiusY);
    double byRow = reach(radiusX, dy, radiusY) + 0.5;
    double half = std::min(std::max(byColumns, byRow), radiusX) + 1e-9;
    x0 = int32_t(std::ceil(centreX - half));
    x1 = int32_t(std::floor(centreX + half)) + 1;
    return x0 < x1;
}

bool EllipseShape::contains(int32_t x, int32_t y) const {
    int32_t x0, x1;
    return span(y, x0, x1) && x >= x0 && x < x1;
}

// A pen edge pixel is a covered one with an uncovered four-neighbour; rows
// are centred, so what is left is one run.
bool EllipseShape::interior(int32_t y, int32_t& x0, int32_t& x1) const {
    int32_t above0, above1, below0, below1;
    if (!span(y, x0, x1) || !span(y - 1, above0, above1) || !span(y + 1, below0, below1))
        return false;
    x0 = std::max({x0 + 1, above0, below0});
    x1 = std::min({x1 - 1, above1, below1});
    return x0 < x1;
}

double EllipseShape::angleOf(double x, double y) const {
    double nx = (x - centreX) / std::max(radiusX, 0.5);
    double ny = (centreY - y) / std::max(radiusY, 0.5);
    double angle = std::atan2(ny, nx);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

platform::Pt EllipseShape::pointAt(double angle) const {
    return {int32_t(std::lround(centreX + radiusX * std::cos(angle))),
            int32_t(std::lround(centreY - radiusY * std::sin(angle)))};
}

bool inSweep(double angle, double start, double end) {
    constexpr double turn = 2 * std::numbers::pi;
    double sweep = std::fmod(end - start + turn, turn);
    if (sweep == 0) return true;
    return std::fmod(angle - start + turn, turn) <= sweep;
}

}  // namespace soft
