// SPDX-License-Identifier: MIT
// Pens, brushes and fonts, and selecting and deleting GDI objects.

#include <cstring>

#include "gui/platform/win32/Handles.h"

namespace platform {
using namespace win32;

Object createPen(int32_t style, int32_t width, ColorRef color) {
    LOGPEN pen{UINT(style), POINT{width, width}, color};
    return fromHandle(CreatePenIndirect(&pen));
}

Object createSolidBrush(ColorRef color) {
    LOGBRUSH brush{BS_SOLID, color, 0};
    return fromHandle(CreateBrushIndirect(&brush));
}

Object nullPen() { return fromHandle(GetStockObject(NULL_PEN)); }

Object createFont(const FontSpec& wanted) {
    LOGFONTA font{};
    font.lfHeight = wanted.height;
    font.lfWeight = wanted.weight;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_STRING_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = wanted.pitchAndFamily;
    std::strncpy(font.lfFaceName, wanted.face, LF_FACESIZE - 1);
    return fromHandle(CreateFontIndirectA(&font));
}

Object selectObject(Dc dc, Object object) {
    return fromHandle(SelectObject(toHdc(dc), toHandle(object)));
}

Object currentObject(Dc dc, ObjectKind kind) {
    UINT type = OBJ_PEN;
    switch (kind) {
    case ObjectKind::pen: type = OBJ_PEN; break;
    case ObjectKind::brush: type = OBJ_BRUSH; break;
    case ObjectKind::font: type = OBJ_FONT; break;
    case ObjectKind::bitmap: type = OBJ_BITMAP; break;
    }
    return fromHandle(GetCurrentObject(toHdc(dc), type));
}

bool deleteObject(Object object) { return DeleteObject(toHandle(object)) != 0; }

}  // namespace platform
