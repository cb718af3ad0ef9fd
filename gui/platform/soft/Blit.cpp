// SPDX-License-Identifier: MIT
// BitBlt with SRCCOPY, NOTSRCCOPY, SRCAND and SRCPAINT between colour and
// monochrome surfaces. The source is first brought to the destination's
// format the way GDI does it: colour to monochrome gives 1 where a pixel
// equals the source DC's background colour; monochrome to colour draws 0 in
// the destination DC's text colour and 1 in its background colour. Both
// rectangles are clipped to their surfaces; overlapping copies within one
// surface come out as if read before written.
//
// Every game step copies tens of thousands of pixels through here, so each
// operation and conversion has a row loop of its own that works on four
// pixels at a time, and plain copies are memcpy.

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "gui/platform/soft/Bounds.h"
#include "gui/platform/soft/DeviceContext.h"

namespace soft {

namespace {
enum class Op { copy, notCopy, andSource, orSource };

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

// Four pixels in one vector register (SSE2 on any x86-64).
using Lanes = Pixel __attribute__((vector_size(16)));
constexpr int64_t laneCount = sizeof(Lanes) / sizeof(Pixel);

Lanes broadcast(Pixel p) { return Lanes{p, p, p, p}; }
Lanes load(const Pixel* p) {
    Lanes lanes;
    std::memcpy(&lanes, p, sizeof lanes);
    return lanes;
}
void store(Pixel* p, Lanes lanes) { std::memcpy(p, &lanes, sizeof lanes); }

// The source's pixels in the destination's format, one or four at a time.
struct SameFormat {
    Pixel operator()(Pixel p) const { return p; }
    Lanes operator()(Lanes p) const { return p; }
};

// 1 where the pixel is the source DC's background colour.
struct ToMono {
    Pixel key;
    Pixel operator()(Pixel p) const { return p == key ? 1 : 0; }
    Lanes operator()(Lanes p) const { return Lanes(p == broadcast(key)) & broadcast(1); }
};

// 0 in the destination DC's text colour, 1 in its background colour.
struct ToColour {
    Pixel zero, one;
    Pixel operator()(Pixel p) const { return p ? one : zero; }
    Lanes operator()(Lanes p) const {
        Lanes isOne = Lanes(p != broadcast(0));
        return (isOne & broadcast(one)) | (~isOne & broadcast(zero));
    }
};

template <Op op, typename T>
T combine(T dest, T source, T allBits) {
    if constexpr (op == Op::copy) return source;
    if constexpr (op == Op::notCopy) return ~source & allBits;
    if constexpr (op == Op::andSource) return dest & source;
    if constexpr (op == Op::orSource) return dest | source;
}

template <Op op, typename Convert>
void combineRow(Pixel* __restrict out, const Pixel* __restrict in, int64_t count, Convert convert,
                Pixel allBits) {
    int64_t i = 0;
    for (Lanes bits = broadcast(allBits); i + laneCount <= count; i += laneCount)
        store(out + i, combine<op>(load(out + i), convert(load(in + i)), bits));
    for (; i < count; ++i) out[i] = combine<op>(out[i], convert(in[i]), allBits);
}

// Both rectangles, clipped: destination and source corners and the size.
struct Area {
    int64_t dx, dy, sx, sy, w, h;
};

// A row combined with itself is read out here first; kept, so that such
// blits allocate nothing after the first.
std::vector<Pixel>& lineBuffer() {
    static std::vector<Pixel> line;
    return line;
}

template <Op op, typename Convert>
void blitArea(Surface& to, const Surface& from, Area a, Convert convert) {
    // Within one surface, rows moving down go bottom-up, and a row that is
    // its own source is read whole before it is written.
    bool sameSurface = &from == &to;
    bool upwards = sameSurface && a.dy > a.sy;
    bool sameRow = sameSurface && a.dy == a.sy;
    std::vector<Pixel>& line = lineBuffer();
    if (sameRow && line.size() < size_t(a.w)) line.resize(size_t(a.w));
    Pixel allBits = to.allBits();
    // Everything the rows need is held in locals (the area too is a copy):
    // memcpy may write anywhere, so fields would be read again every row.
    const Pixel* fromPixels = from.row(0);
    Pixel* toPixels = to.row(0);
    int64_t fromWidth = from.width(), toWidth = to.width();
    for (int64_t row = 0; row < a.h; ++row) {
        int64_t r = upwards ? a.h - 1 - row : row;
        const Pixel* in = fromPixels + (a.sy + r) * fromWidth + a.sx;
        Pixel* out = toPixels + (a.dy + r) * toWidth + a.dx;
        if (sameRow) {
            std::copy(in, in + a.w, line.data());
            in = line.data();
        }
        if constexpr (op == Op::copy && std::is_same_v<Convert, SameFormat>) {
            std::memcpy(out, in, size_t(a.w) * sizeof(Pixel));
        } else {
            combineRow<op>(out, in, a.w, convert, allBits);
        }
    }
}

template <typename Convert>
void blitConverted(Op op, Surface& to, const Surface& from, const Area& area, Convert convert) {
    switch (op) {
    case Op::copy: blitArea<Op::copy>(to, from, area, convert); break;
    case Op::notCopy: blitArea<Op::notCopy>(to, from, area, convert); break;
    case Op::andSource: blitArea<Op::andSource>(to, from, area, convert); break;
    case Op::orSource: blitArea<Op::orSource>(to, from, area, convert); break;
    }
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

    soft::Area area{x, y, sourceX, sourceY, width, height};
    soft::clipStart(area.dx, area.sx, area.w);
    soft::clipStart(area.dy, area.sy, area.h);
    area.w = std::min({area.w, to.width() - area.dx, from.width() - area.sx});
    area.h = std::min({area.h, to.height() - area.dy, from.height() - area.sy});
    if (area.w <= 0 || area.h <= 0) return true;
    soft::noteDrawn(*dest, soft::boxOf(area.dx, area.dy, area.dx + area.w, area.dy + area.h));

    if (from.isMono() == to.isMono()) {
        soft::blitConverted(op, to, from, area, soft::SameFormat{});
    } else if (to.isMono()) {
        soft::blitConverted(op, to, from, area, soft::ToMono{soft::toPixel(source->bkColor)});
    } else {
        soft::blitConverted(op, to, from, area,
                            soft::ToColour{soft::toPixel(dest->textColor),
                                           soft::toPixel(dest->bkColor)});
    }
    return true;
}

}  // namespace platform
