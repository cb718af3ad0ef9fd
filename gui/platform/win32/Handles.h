// SPDX-License-Identifier: MIT
#pragma once
// The platform handles are the Win32 handles themselves: these casts are the
// whole translation, so each call below stays one call.

#include <windows.h>

#include <cstddef>

#include "gui/platform/platform.h"

namespace platform::win32 {

inline HDC toHdc(Dc dc) { return reinterpret_cast<HDC>(dc); }
inline Dc fromHdc(HDC dc) { return reinterpret_cast<Dc>(dc); }
inline HGDIOBJ toHandle(Object object) { return reinterpret_cast<HGDIOBJ>(object); }
inline Object fromHandle(HGDIOBJ object) { return reinterpret_cast<Object>(object); }
inline HWND toHwnd(Window window) { return reinterpret_cast<HWND>(window); }
inline Window fromHwnd(HWND window) { return reinterpret_cast<Window>(window); }
inline HINSTANCE toInstance(void* instance) { return static_cast<HINSTANCE>(instance); }

// Points and boxes are passed to GDI in place, so their layout must be POINT's
// and RECT's.
static_assert(sizeof(Pt) == sizeof(POINT) && offsetof(Pt, y) == offsetof(POINT, y));
static_assert(sizeof(Box) == sizeof(RECT) && offsetof(Box, top) == offsetof(RECT, top) &&
              offsetof(Box, right) == offsetof(RECT, right) &&
              offsetof(Box, bottom) == offsetof(RECT, bottom));
inline POINT* toPoints(Pt* points) { return reinterpret_cast<POINT*>(points); }
inline const POINT* toPoints(const Pt* points) { return reinterpret_cast<const POINT*>(points); }
inline RECT* toRect(Box* box) { return reinterpret_cast<RECT*>(box); }
inline const RECT* toRect(const Box* box) { return reinterpret_cast<const RECT*>(box); }

}  // namespace platform::win32
