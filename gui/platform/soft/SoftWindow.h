#pragma once
// The software platform's windows: each window keeps its picture in a colour
// surface that its device contexts draw into. A window is either headless
// (in memory, driven by tests through Headless.h) or shown on an X11 display
// (X11Windows.cpp), which is decided by its parent: a child of an X11 window
// id is an X11 window.

#include <string>
#include <vector>

#include "gui/platform/platform.h"
#include "gui/platform/soft/Surface.h"

namespace soft {

struct SoftWindow {
    platform::WindowProc proc = nullptr;
    SoftWindow* parent = nullptr;
    std::vector<SoftWindow*> children;
    int32_t x = 0, y = 0;  // screen position of the top-left corner
    int32_t width = 0, height = 0;
    void* userData = nullptr;
    Surface picture;  // the window's pixels
    bool updatePending = false;
    unsigned long x11Window = 0;  // 0 for a headless window
};

SoftWindow* asSoftWindow(platform::Window window);  // null for handles that are not ours
platform::Window handleOf(SoftWindow* window);
SoftWindow* newWindow(SoftWindow* parent, int32_t width, int32_t height);
// Sends the destroy message to the window and its children, then frees them.
void freeWindow(SoftWindow* window);
// Delivers one message through the window's procedure.
intptr_t deliver(SoftWindow* window, uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);

// The X11 side, used when a window's parent is an X11 window id.
bool createX11Child(SoftWindow* window, unsigned long parentId);
void destroyX11Child(SoftWindow* window);
void presentX11(SoftWindow* window);
void drainX11Events();
bool x11KeyDown(int32_t virtualKey, bool& known);
bool x11Pointer(platform::Pt& screen);
bool x11ScreenToWindow(SoftWindow* window, platform::Pt& point);

}  // namespace soft
