// SPDX-License-Identifier: MIT
#pragma once
// The software platform's windows, and the whole interface between the shared
// window code (SoftWindows.cpp: registry, classes, paint and press delivery,
// device contexts on a window's picture) and the window systems that show
// windows and bring their input: headless (HeadlessWindows.cpp, in memory,
// driven by tests) and X11 (X11Windows.cpp). Each window keeps its picture in
// a colour surface that its device contexts draw into.
//
// A window's system is chosen once, when it is made: a child of one of our
// windows is headless beside it; a child of any other handle goes to the first
// system that can make a peer for it under that handle (X11, when the handle
// is a window of a display we can open).
//
// A window shown at a zoom keeps drawing into its picture at its own size;
// what is shown is `zoomed`, every pixel of the picture a zoom × zoom block,
// brought up to date for each rectangle shown.

#include <cstdint>
#include <span>
#include <vector>

#include "gui/platform/InputReading.h"
#include "gui/platform/platform.h"
#include "gui/platform/soft/Surface.h"

namespace soft {

class WindowSystem;

struct SoftWindow {
    platform::WindowProc proc = nullptr;
    SoftWindow* parent = nullptr;
    std::vector<SoftWindow*> children;
    int32_t x = 0, y = 0;  // screen position of the top-left corner
    int32_t width = 0, height = 0;
    void* userData = nullptr;
    Surface picture;  // the window's pixels
    int32_t zoom = 1;
    Surface zoomed;   // the picture scaled, while zoom > 1
    Surface screen;   // headless: what has been presented of `shown`, as a screen keeps it
    bool updatePending = false;
    platform::Box unshown{0, 0, 0, 0};  // drawn into the picture since it was last shown
    WindowSystem* system = nullptr;  // never null once made
    uintptr_t peer = 0;  // the system's own id for the window (an X11 window id); 0 for none

    // What the screen shows of the window, and its size there.
    Surface& shown() { return zoom > 1 ? zoomed : picture; }
    int32_t shownWidth() const { return width * zoom; }
    int32_t shownHeight() const { return height * zoom; }
    // Sets the zoom and scales the whole picture into what is shown.
    void setZoom(int32_t newZoom);
};

// What a window system does for its windows; the shared code owns the windows.
class WindowSystem {
public:
    // Makes the window's peer as a child of a handle that is not one of ours;
    // false when this system cannot.
    virtual bool attach(SoftWindow& window, platform::Window foreignParent) = 0;
    // Takes the peer down; the window itself is freed by the caller.
    virtual void detach(SoftWindow& window) = 0;
    // Shows this part of what the window shows (SoftWindow::shown): not
    // empty, inside it.
    virtual void present(SoftWindow& window, const platform::Box& area) = 0;
    // Maps or unmaps the window's peer.
    virtual void show(SoftWindow& window, bool visible) = 0;
    // Sets the window's zoom (SoftWindow::setZoom) and sizes the peer to match.
    virtual void rezoom(SoftWindow& window, int32_t zoom) = 0;
    // Delivers the events that have come for this system's windows.
    virtual void dispatchEvents() = 0;
    // While true, this system answers for the buttons, keys and pointer; the
    // next one is asked only then.
    virtual bool holdsInput() const = 0;
    // Where the pointer lies in `window` comes with the reading when this
    // system can tell it at no extra cost; the window may be null.
    virtual platform::InputReading readInput(SoftWindow* window) = 0;
    virtual platform::Pt screenToWindow(const SoftWindow& window, platform::Pt screen) = 0;
    // How much larger than 96 dots an inch the screen is, as the system's
    // settings tell it; 0 when they do not.
    virtual double screenScale() = 0;

protected:
    ~WindowSystem() = default;
};

WindowSystem& headlessWindowSystem();
WindowSystem& displayWindowSystem();  // X11, or the browser's canvases
// The Xft.dpi of X resources (as XResourceManagerString gives them) over 96;
// 0 when they name none, or one that is not a number above 0.
double xftScale(const char* resources);
// The systems in the order they are asked: the display's before the in-memory
// one, which holds input always and attaches to no foreign handle.
std::span<WindowSystem* const> windowSystems();
// The first system that holds input.
WindowSystem& inputWindowSystem();

// The shared code, for the window systems and the test desktop.
SoftWindow* asSoftWindow(platform::Window window);  // null for handles that are not ours
platform::Window handleOf(SoftWindow* window);
// A headless window; a child starts at its parent's position.
SoftWindow* newWindow(SoftWindow* parent, int32_t width, int32_t height);
// Sends the destroy message to the window and its children, then frees them.
void freeWindow(SoftWindow* window);
// Delivers one message through the window's procedure.
intptr_t deliver(SoftWindow* window, uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
// Marks the whole window for update and has it painted now; the whole
// picture is shown again when the paint releases its device context.
void deliverPaint(SoftWindow* window);
// A button press at a point of what the window shows, the position packed
// as the platform packs it.
void deliverPress(SoftWindow* window, uint32_t message, int32_t x, int32_t y);

}  // namespace soft
