// X11 windows of the software platform: a child of the host's X11 window on
// the module's own display connection. Its events are drained when the
// editor idles; its picture is shown with XPutImage whenever a device
// context on it is released.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <map>
#include <vector>

#include "gui/platform/soft/SoftWindow.h"

namespace soft {
namespace {
struct X11State {
    Display* display = nullptr;
    int32_t windows = 0;
    std::map<unsigned long, SoftWindow*> byId;
};

X11State& x11() {
    static X11State state;
    return state;
}

// A window id the server does not know raises an error; answer it quietly.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }
}  // namespace

bool createX11Child(SoftWindow* window, unsigned long parentId) {
    X11State& state = x11();
    if (!state.display) {
        state.display = XOpenDisplay(nullptr);
        if (!state.display) return false;
        XSetErrorHandler(ignoreErrors);
    }
    Display* display = state.display;
    XWindowAttributes parentAttributes;
    if (!XGetWindowAttributes(display, parentId, &parentAttributes)) {
        if (state.windows == 0) {
            XCloseDisplay(display);
            state.display = nullptr;
        }
        return false;
    }
    Window id = XCreateSimpleWindow(display, parentId, 0, 0, unsigned(window->width),
                                    unsigned(window->height), 0, 0, 0);
    XSelectInput(display, id, ExposureMask | ButtonPressMask | StructureNotifyMask);
    XMapWindow(display, id);
    XFlush(display);
    window->x11Window = id;
    state.byId[id] = window;
    ++state.windows;
    return true;
}

void destroyX11Child(SoftWindow* window) {
    X11State& state = x11();
    if (!state.display) return;
    XDestroyWindow(state.display, window->x11Window);
    XFlush(state.display);
    state.byId.erase(window->x11Window);
    window->x11Window = 0;
    if (--state.windows == 0) {
        XCloseDisplay(state.display);
        state.display = nullptr;
    }
}

void presentX11(SoftWindow* window) {
    X11State& state = x11();
    if (!state.display || !window->x11Window) return;
    Display* display = state.display;
    int screen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, screen);
    int depth = DefaultDepth(display, screen);
    if (depth < 24) return;
    // The surface's 0x00RRGGBB pixels are what a 24-bit TrueColor visual takes.
    XImage* image = XCreateImage(display, visual, unsigned(depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(window->picture.row(0)),
                                 unsigned(window->width), unsigned(window->height), 32, 0);
    if (!image) return;
    GC gc = DefaultGC(display, screen);
    XPutImage(display, window->x11Window, gc, image, 0, 0, 0, 0, unsigned(window->width),
              unsigned(window->height));
    image->data = nullptr;  // the pixels belong to the surface
    XDestroyImage(image);
    XFlush(display);
}

void drainX11Events() {
    X11State& state = x11();
    while (state.display && XPending(state.display)) {
        XEvent event;
        XNextEvent(state.display, &event);
        auto found = state.byId.find(event.xany.window);
        if (found == state.byId.end()) continue;
        SoftWindow* window = found->second;
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) {
                window->updatePending = true;
                deliver(window, platform::msgPaint);
            }
            break;
        case ButtonPress: {
            uint32_t message = 0;
            if (event.xbutton.button == Button1) message = platform::msgLeftButtonDown;
            if (event.xbutton.button == Button3) message = platform::msgRightButtonDown;
            if (message)
                deliver(window, message, 0,
                        intptr_t(uint32_t(event.xbutton.x & 0xFFFF) |
                                 uint32_t(event.xbutton.y & 0xFFFF) << 16));
            break;
        }
        case DestroyNotify:
            // The host took its window down first: the frame learns it and stops,
            // and the window's record goes with it, as the handle is now dead.
            state.byId.erase(event.xdestroywindow.window);
            window->x11Window = 0;
            freeWindow(window);
            if (--state.windows == 0) {
                XCloseDisplay(state.display);
                state.display = nullptr;
            }
            break;
        default:
            break;
        }
    }
}

bool x11KeyDown(int32_t virtualKey, bool& known) {
    X11State& state = x11();
    known = state.display != nullptr;
    if (!known) return false;
    Window root, child;
    int rootX, rootY, x, y;
    unsigned int mask = 0;
    XQueryPointer(state.display, DefaultRootWindow(state.display), &root, &child, &rootX, &rootY,
                  &x, &y, &mask);
    switch (virtualKey) {
    case platform::vkLeftButton: return mask & Button1Mask;
    case platform::vkMiddleButton: return mask & Button2Mask;
    case platform::vkRightButton: return mask & Button3Mask;
    case platform::vkShift: return mask & ShiftMask;
    case platform::vkControl: return mask & ControlMask;
    case platform::vkAlt: return mask & Mod1Mask;
    default: return false;
    }
}

bool x11Pointer(platform::Pt& screen) {
    X11State& state = x11();
    if (!state.display) return false;
    Window root, child;
    int x, y;
    unsigned int mask;
    XQueryPointer(state.display, DefaultRootWindow(state.display), &root, &child, &screen.x,
                  &screen.y, &x, &y, &mask);
    return true;
}

bool x11ScreenToWindow(SoftWindow* window, platform::Pt& point) {
    X11State& state = x11();
    if (!state.display) return false;
    Window child;
    int x, y;
    if (!XTranslateCoordinates(state.display, DefaultRootWindow(state.display),
                               window->x11Window, point.x, point.y, &x, &y, &child))
        return false;
    point = {x, y};
    return true;
}

}  // namespace soft
