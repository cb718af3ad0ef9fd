// SPDX-License-Identifier: MIT
// Device contexts, their colours and modes, and the drawing calls.

#include "gui/platform/win32/Handles.h"

namespace platform {
using namespace win32;

Dc createCompatibleDc(Dc dc) { return fromHdc(CreateCompatibleDC(toHdc(dc))); }
bool deleteDc(Dc dc) { return DeleteDC(toHdc(dc)) != 0; }
ColorRef setBkColor(Dc dc, ColorRef color) { return SetBkColor(toHdc(dc), color); }
ColorRef getBkColor(Dc dc) { return GetBkColor(toHdc(dc)); }
ColorRef setTextColor(Dc dc, ColorRef color) { return SetTextColor(toHdc(dc), color); }
int32_t setBkMode(Dc dc, int32_t mode) { return SetBkMode(toHdc(dc), mode); }
int32_t getMapMode(Dc dc) { return GetMapMode(toHdc(dc)); }
int32_t setMapMode(Dc dc, int32_t mode) { return SetMapMode(toHdc(dc), mode); }
void dpToLp(Dc dc, Pt* points, int32_t count) { DPtoLP(toHdc(dc), toPoints(points), count); }

void moveTo(Dc dc, int32_t x, int32_t y) { MoveToEx(toHdc(dc), x, y, nullptr); }
void lineTo(Dc dc, int32_t x, int32_t y) { LineTo(toHdc(dc), x, y); }
void polyline(Dc dc, const Pt* points, int32_t count) {
    Polyline(toHdc(dc), toPoints(points), count);
}
void polygon(Dc dc, const Pt* points, int32_t count) {
    Polygon(toHdc(dc), toPoints(points), count);
}
void fillRect(Dc dc, const Box& box, Object brush) {
    FillRect(toHdc(dc), toRect(&box), static_cast<HBRUSH>(toHandle(brush)));
}
void ellipse(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    Ellipse(toHdc(dc), left, top, right, bottom);
}
void arc(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart,
         int32_t yStart, int32_t xEnd, int32_t yEnd) {
    Arc(toHdc(dc), left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}
void pie(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart,
         int32_t yStart, int32_t xEnd, int32_t yEnd) {
    Pie(toHdc(dc), left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}
void setPixel(Dc dc, int32_t x, int32_t y, ColorRef color) { SetPixel(toHdc(dc), x, y, color); }
ColorRef getPixel(Dc dc, int32_t x, int32_t y) { return GetPixel(toHdc(dc), x, y); }

void drawText(Dc dc, const char* text, int32_t length, Box& box, uint32_t format) {
    DrawTextA(toHdc(dc), text, length, toRect(&box), format);
}

}  // namespace platform
