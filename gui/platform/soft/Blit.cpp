// BitBlt with SRCCOPY, NOTSRCCOPY, SRCAND and SRCPAINT between colour and
// monochrome surfaces. The source is first brought to the destination's
// format the way GDI does it: colour to monochrome gives 1 where a pixel
// equals the source DC's background colour; monochrome to colour draws 0 in
// the destination DC's text colour and 1 in its background colour. Both
// rectangles are clipped to their surfaces; overlapping copies within one
// surface come out as if read before written.

#include <algorithm>
#include <vector>

#include "gui/platform/soft/DeviceContext.h"

namespace soft {

namespace {
enum class Op { copy, notCopy, andSource, orSource };
enum class Conversion { none, toMono, toColour };

bool opOf(uint32_t rop, Op& op) {
    switch (rop) {
    case platform::ropSrcCopy: op = Op::copy; return true;
    case platform::ropNotSrcCopy: op = Op::notCopy; return true;
    case platform::ropSrcAnd: op = Op::andSource; return true;
    case platform::ropSrcPaint: op = Op::orSource; return true;
    }
    return false;
}

// Moves the start of both rectangles up to the first position inside both.
void clipStart(int64_t& dest, int64_t& source, int64_t& extent) {
    int64_t shift = std::max({int64_t(0), -dest, -source});
    dest += shift;
    source += shift;
    extent -= shift;
}
}  // namespace

}  // namespace soft

namespace platform {

bool bitBlt(Dc dest, int32_t x, int32_t y, int32_t width, int32_t height, Dc source,
            int32_t sourceX, int32_t sourceY, uint32_t rop) {
    soft::Op op;
    if (!dest || !source || !soft::opOf(rop, op)) return false;
    soft::Surface& to = *dest->surface;
    const soft::Surface& from = *source->surface;

    int64_t dx = x, dy = y, sx = sourceX, sy = sourceY, w = width, h = height;
    soft::clipStart(dx, sx, w);
    soft::clipStart(dy, sy, h);
    w = std::min({w, to.width() - dx, from.width() - sx});
    h = std::min({h, to.height() - dy, from.height() - sy});
    if (w <= 0 || h <= 0) return true;

    soft::Conversion conversion = soft::Conversion::none;
    if (!from.isMono() && to.isMono()) conversion = soft::Conversion::toMono;
    if (from.isMono() && !to.isMono()) conversion = soft::Conversion::toColour;
    soft::Pixel key = soft::toPixel(source->bkColor);
    soft::Pixel zero = soft::toPixel(dest->textColor), one = soft::toPixel(dest->bkColor);
    soft::Pixel allBits = to.allBits();

    // Each source row is read into this first; kept, so blits allocate nothing.
    static std::vector<soft::Pixel> line;
    if (line.size() < size_t(w)) line.resize(size_t(w));
    // Within one surface, rows moving down go bottom-up.
    bool upwards = &from == &to && dy > sy;
    for (int64_t row = 0; row < h; ++row) {
        int64_t r = upwards ? h - 1 - row : row;
        const soft::Pixel* in = from.row(int32_t(sy + r)) + sx;
        switch (conversion) {
        case soft::Conversion::none: std::copy(in, in + w, line.begin()); break;
        case soft::Conversion::toMono:
            std::transform(in, in + w, line.begin(),
                           [key](soft::Pixel p) -> soft::Pixel { return p == key ? 1 : 0; });
            break;
        case soft::Conversion::toColour:
            std::transform(in, in + w, line.begin(),
                           [zero, one](soft::Pixel p) { return p ? one : zero; });
            break;
        }
        soft::Pixel* out = to.row(int32_t(dy + r)) + dx;
        for (int64_t i = 0; i < w; ++i) {
            soft::Pixel s = line[size_t(i)];
            switch (op) {
            case soft::Op::copy: out[i] = s; break;
            case soft::Op::notCopy: out[i] = ~s & allBits; break;
            case soft::Op::andSource: out[i] &= s; break;
            case soft::Op::orSource: out[i] |= s; break;
            }
        }
    }
    return true;
}

}  // namespace platform
