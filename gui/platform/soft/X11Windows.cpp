// X11 windows of the software platform: a child of the host's X11 window on
// the module's own display connection, open while any such window lives.
// Implements: the peer window under a foreign X11 window id, its picture shown
// with XPutImage whenever a device context on it is released, exposures,
// left and right presses and the host destroying its window first (drained
// when the editor idles), buttons, Shift, Control and Alt and the pointer from
// XQueryPointer, and mapping through XTranslateCoordinates. Does not: make
// top-level windows, or show visuals of fewer than 24 bits.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <thread>

#include "gui/platform/soft/SoftWindow.h"

namespace soft {
namespace {
// A window id the server does not know raises an error; answer it quietly.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

// A busy X server now and then drops a connection it has just accepted (seen
// with Xvfb under load); a few more tries get through. Without a display
// named there is nothing to retry.
Display* openDisplay() {
    Display* display = XOpenDisplay(nullptr);
    for (int retry = 1; !display && retry <= 5 && std::getenv("DISPLAY"); ++retry) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10 * retry));
        display = XOpenDisplay(nullptr);
    }
    return display;
}

class X11WindowSystem final : public WindowSystem {
public:
    bool attach(SoftWindow& window, platform::Window foreignParent) override {
        auto parentId = static_cast<::Window>(reinterpret_cast<uintptr_t>(foreignParent));
        if (!display) {
            display = openDisplay();
            if (!display) return false;
            XSetErrorHandler(ignoreErrors);
        }
        XWindowAttributes parentAttributes;
        if (!XGetWindowAttributes(display, parentId, &parentAttributes)) {
            if (windows == 0) closeDisplay();
            return false;
        }
        ::Window id = XCreateSimpleWindow(display, parentId, 0, 0, unsigned(window.width),
                                          unsigned(window.height), 0, 0, 0);
        XSelectInput(display, id, ExposureMask | ButtonPressMask | StructureNotifyMask);
        XMapWindow(display, id);
        XFlush(display);
        window.peer = id;
        byId[id] = &window;
        ++windows;
        return true;
    }

    void detach(SoftWindow& window) override {
        if (!display || !window.peer) return;
        XDestroyWindow(display, window.peer);
        XFlush(display);
        byId.erase(window.peer);
        window.peer = 0;
        if (--windows == 0) closeDisplay();
    }

    void present(SoftWindow& window) override {
        if (!display || !window.peer) return;
        int screen = DefaultScreen(display);
        Visual* visual = DefaultVisual(display, screen);
        int depth = DefaultDepth(display, screen);
        if (depth < 24) return;
        // The surface's 0x00RRGGBB pixels are what a 24-bit TrueColor visual takes.
        XImage* image = XCreateImage(display, visual, unsigned(depth), ZPixmap, 0,
                                     reinterpret_cast<char*>(window.picture.row(0)),
                                     unsigned(window.width), unsigned(window.height), 32, 0);
        if (!image) return;
        GC gc = DefaultGC(display, screen);
        XPutImage(display, window.peer, gc, image, 0, 0, 0, 0, unsigned(window.width),
                  unsigned(window.height));
        image->data = nullptr;  // the pixels belong to the surface
        XDestroyImage(image);
        XFlush(display);
    }

    void dispatchEvents() override {
        while (display && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            auto found = byId.find(event.xany.window);
            if (found != byId.end()) handle(event, *found->second);
        }
    }

    bool holdsInput() const override { return display != nullptr; }

    bool isKeyDown(int32_t virtualKey) override {
        unsigned int mask = queryPointer().mask;
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

    platform::Pt pointer() override { return queryPointer().screen; }

    platform::Pt screenToWindow(const SoftWindow& window, platform::Pt screen) override {
        ::Window child;
        int x, y;
        if (display && window.peer &&
            XTranslateCoordinates(display, DefaultRootWindow(display), window.peer, screen.x,
                                  screen.y, &x, &y, &child))
            return {x, y};
        return {screen.x - window.x, screen.y - window.y};
    }

private:
    struct PointerState {
        platform::Pt screen;
        unsigned int mask = 0;  // buttons and modifiers held
    };
    PointerState queryPointer() {
        PointerState state;
        ::Window root, child;
        int x, y;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &state.screen.x,
                      &state.screen.y, &x, &y, &state.mask);
        return state;
    }

    void handle(const XEvent& event, SoftWindow& window) {
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) deliverPaint(&window);
            break;
        case ButtonPress:
            if (event.xbutton.button == Button1)
                deliverPress(&window, platform::msgLeftButtonDown, event.xbutton.x,
                             event.xbutton.y);
            if (event.xbutton.button == Button3)
                deliverPress(&window, platform::msgRightButtonDown, event.xbutton.x,
                             event.xbutton.y);
            break;
        case DestroyNotify:
            // The host took its window down first: the frame learns it and stops,
            // and the window's record goes with it, as the handle is now dead.
            byId.erase(event.xdestroywindow.window);
            window.peer = 0;
            freeWindow(&window);
            if (--windows == 0) closeDisplay();
            break;
        default:
            break;
        }
    }

    void closeDisplay() {
        XCloseDisplay(display);
        display = nullptr;
    }

    Display* display = nullptr;
    int32_t windows = 0;
    std::map<::Window, SoftWindow*> byId;
};
}  // namespace

WindowSystem& x11WindowSystem() {
    static X11WindowSystem system;
    return system;
}

}  // namespace soft
