// SPDX-License-Identifier: MIT
#pragma once
// The one interface between the toolkit and the platform, shaped like the
// Win32 GDI and USER calls it stands for. `win32/` maps each call to the real
// one; `soft/` reproduces the same pixel effects in plain C++ with two window
// systems (headless for tests, X11 for real hosts).
//
// Sections: handles and values; objects (pens, brushes, fonts, bitmaps);
// device contexts and drawing; bit-block transfers; resources; windows and
// messages; display zoom; input and time.

#include <cstdint>

namespace platform {

// ---- Handles and values -------------------------------------------------

struct DcTag;
struct ObjectTag;
struct WindowTag;
using Dc = DcTag*;          // a device context (HDC)
using Object = ObjectTag*;  // a pen, brush, font or bitmap (HGDIOBJ)
using Window = WindowTag*;  // a window (HWND)

using ColorRef = uint32_t;  // red | green << 8 | blue << 16
constexpr ColorRef rgb(uint8_t r, uint8_t g, uint8_t b) {
    return ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16;
}

struct Pt {
    int32_t x, y;
};
struct Box {
    int32_t left, top, right, bottom;
};

// ---- Objects -------------------------------------------------------------

enum PenStyle : int32_t { penSolid = 0, penDot = 2, penNull = 5 };
enum class ObjectKind { pen, brush, font, bitmap };

Object createPen(int32_t style, int32_t width, ColorRef color);  // CreatePenIndirect
Object createSolidBrush(ColorRef color);                         // CreateBrushIndirect, BS_SOLID
Object nullPen();                                                // GetStockObject(NULL_PEN)

// CreateFontIndirectA with width, escapement, orientation, italic, underline
// and strike-out 0, character set ANSI, output precision 1 (string), clip
// precision 2 (stroke), quality 0. height < 0 asks for that character height.
struct FontSpec {
    int32_t height;
    int32_t weight;          // 400 normal, 700 bold
    uint8_t pitchAndFamily;  // 0x22 variable sans serif, 0x50 decorative
    const char* face;        // "Arial", "Small Fonts", "Symbol"
};
Object createFont(const FontSpec& spec);

Object selectObject(Dc dc, Object object);  // returns the previously selected one
Object currentObject(Dc dc, ObjectKind kind);
bool deleteObject(Object object);

// ---- Device contexts and drawing -------------------------------------------

enum BkMode : int32_t { bkTransparent = 1, bkOpaque = 2 };

Dc createCompatibleDc(Dc dc);  // a memory DC; null dc: compatible with the screen
bool deleteDc(Dc dc);
ColorRef setBkColor(Dc dc, ColorRef color);  // returns the previous colour
ColorRef getBkColor(Dc dc);
ColorRef setTextColor(Dc dc, ColorRef color);
int32_t setBkMode(Dc dc, int32_t mode);
int32_t getMapMode(Dc dc);
int32_t setMapMode(Dc dc, int32_t mode);
void dpToLp(Dc dc, Pt* points, int32_t count);

void moveTo(Dc dc, int32_t x, int32_t y);  // MoveToEx
void lineTo(Dc dc, int32_t x, int32_t y);  // the end pixel is not drawn
void polyline(Dc dc, const Pt* points, int32_t count);
void polygon(Dc dc, const Pt* points, int32_t count);     // filled with the brush, outlined with the pen
void fillRect(Dc dc, const Box& box, Object brush);      // left/top included, right/bottom excluded
void ellipse(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
void arc(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart,
         int32_t yStart, int32_t xEnd, int32_t yEnd);  // counter-clockwise
void pie(Dc dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart,
         int32_t yStart, int32_t xEnd, int32_t yEnd);
void setPixel(Dc dc, int32_t x, int32_t y, ColorRef color);
ColorRef getPixel(Dc dc, int32_t x, int32_t y);  // 0xFFFFFFFF outside the surface

enum TextFormat : uint32_t {
    dtLeft = 0x00,
    dtCenter = 0x01,
    dtRight = 0x02,
    dtVCenter = 0x04,
    dtSingleLine = 0x20,
};
void drawText(Dc dc, const char* text, int32_t length, Box& box, uint32_t format);  // DrawTextA

// ---- Bit-block transfers ----------------------------------------------------

enum RasterOp : uint32_t {
    ropSrcCopy = 0x00CC0020,
    ropNotSrcCopy = 0x00330008,
    ropSrcAnd = 0x008800C6,
    ropSrcPaint = 0x00EE0086,
};
Object createCompatibleBitmap(Dc dc, int32_t width, int32_t height);
Object createMonochromeBitmap(int32_t width, int32_t height);  // CreateBitmap(w, h, 1, 1, null)
bool bitmapSize(Object bitmap, int32_t& width, int32_t& height);  // GetObjectA
bool bitBlt(Dc dest, int32_t x, int32_t y, int32_t width, int32_t height, Dc source,
            int32_t sourceX, int32_t sourceY, uint32_t rop);

// ---- Resources ---------------------------------------------------------------

// LoadBitmapA(module instance, id): a bitmap resource of this module, or null.
Object loadBitmapResource(void* moduleInstance, int32_t id);
// The instance handle of the module this code is linked into (the program
// itself in a test), for code that has no load entry to store it.
void* currentModuleInstance();

// ---- Windows and messages ------------------------------------------------

enum Message : uint32_t {
    msgDestroy = 0x0002,
    msgPaint = 0x000F,
    msgLeftButtonDown = 0x0201,
    msgRightButtonDown = 0x0204,
    msgDpiChanged = 0x02E3,  // WM_DPICHANGED_AFTERPARENT: the monitor or its DPI changed
};
using WindowProc = intptr_t (*)(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// RegisterClassA with style 0, no extra bytes, the arrow cursor and the
// button-face brush; false when it fails.
bool registerWindowClass(const char* className, WindowProc proc, void* moduleInstance);
void unregisterWindowClass(const char* className, void* moduleInstance);
// CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0, w, h, parent, ...),
// shown at `zoom` (below): the window is zoom × w by zoom × h on the screen.
Window createChildWindow(const char* className, Window parent, int32_t width, int32_t height,
                         void* moduleInstance, int32_t zoom = 1);
bool destroyWindow(Window window);
intptr_t defaultWindowProc(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);
void setWindowUserData(Window window, void* data);  // SetWindowLongA(-21) / SetWindowLongPtrA
void* windowUserData(Window window);

Dc getDc(Window window);
void releaseDc(Window window, Dc dc);
bool hasUpdateRegion(Window window);  // GetUpdateRect(window, null, FALSE)
struct PaintState {
    Dc dc;
    alignas(8) uint8_t opaque[72];  // the platform's paint record (72 bytes on 64-bit Windows)
};
Dc beginPaint(Window window, PaintState& state);
void endPaint(Window window, PaintState& state);
// The window's handle in the system that shows it: the HWND itself, an X11
// window id, or the handle for a window no system shows.
void* nativeWindow(Window window);
// Maps or unmaps the window on the screen (ShowWindow SW_SHOW / SW_HIDE).
bool showWindow(Window window, bool visible);
// Delivers the window messages that arrived since the last call, for window
// systems whose events the module drains itself (X11); Win32 hosts deliver
// their own, so there it does nothing.
void dispatchPendingMessages();

// ---- Display zoom ---------------------------------------------------------

// A window shown at zoom z (1 to 4) is z times its size on the screen, each
// pixel of its picture a z × z block. Everything else stays in its own pixels:
// drawing, its size, the positions of presses and of the mapped pointer.
// The toolkit decides the zoom; windows refuse one out of range.
constexpr int32_t kMaxZoom = 4;
constexpr bool isZoom(int32_t zoom) { return zoom >= 1 && zoom <= kMaxZoom; }
// Resizes the window on the screen and paints it anew; false for a zoom out
// of range or a handle that is not one of our windows.
bool setWindowZoom(Window window, int32_t zoom);
int32_t windowZoom(Window window);  // 1 for a handle that is not a zoomed window
// How much larger than usual the user asks windows to be; 0 when nothing
// says. Software: GDK_SCALE. Win32: 0 (windows follow their monitor).
double userScale();
// How much larger than 96 dots an inch the screen of `parent` is (null: the
// main screen); 0 when nothing says. Software: the X resource Xft.dpi / 96.
// Win32: the DPI of the parent's monitor / 96.
double screenScale(Window parent);

// ---- Input and time ------------------------------------------------------------

enum VirtualKey : int32_t {
    vkLeftButton = 0x01,
    vkRightButton = 0x02,
    vkMiddleButton = 0x04,
    vkShift = 0x10,
    vkControl = 0x11,
    vkAlt = 0x12,
};
// GetAsyncKeyState's high bit, for the keys above; other keys read as up.
bool isKeyDown(int32_t virtualKey);
Pt cursorPosition();  // GetCursorPos, screen coordinates
// Between these two, every read of the keys and the pointer answers from one
// reading, taken at the first read: an X11 display is asked once, and what
// one pass reads stays the same. The pointer mapped into `window` comes from
// that reading too. Outside a pass each read reads anew. The editor's idle is
// one pass; a pass begun inside another reads anew.
void beginInputPass(Window window);
void endInputPass();
Pt screenToWindow(Window window, Pt point);  // MapWindowPoints(null, window)
uint32_t tickCount();                // GetTickCount

}  // namespace platform
