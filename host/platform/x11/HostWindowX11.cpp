// SPDX-License-Identifier: MIT
// The host window on X11, with input injected through the XTest extension.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "gui/platform/X11Display.h"
#include "host/platform/HostWindow.h"

namespace {
// The window manager keeps the window at the size given.
void fixSize(Display* display, Window window, int32_t width, int32_t height) {
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = height;
    XSetWMNormalHints(display, window, &hints);
}

class X11HostWindow : public HostWindow {
public:
    X11HostWindow(Display* display, Window window, int32_t width, int32_t height)
        : display(display), window(window), width(width), height(height) {
        closeAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &closeAtom, 1);
    }
    ~X11HostWindow() override {
        releaseHeld();
        destroyNow();
        XCloseDisplay(display);
    }

    void* parentHandle() override { return reinterpret_cast<void*>(uintptr_t(window)); }

    void destroyNow() override {
        if (window == None) return;
        XDestroyWindow(display, window);
        XSync(display, False);
        window = None;
    }

    void resize(int32_t newWidth, int32_t newHeight) override {
        width = newWidth;
        height = newHeight;
        fixSize(display, window, width, height);
        XResizeWindow(display, window, unsigned(width), unsigned(height));
        XSync(display, False);
    }

    bool pumpEvents() override {
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == closeAtom)
                open = false;
        }
        return open;
    }

    bool hasChildWindows() override {
        if (window == None) return false;
        Window root, parent, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        return count > 0;
    }

    bool capture(Screenshot& shot) override {
        XSync(display, False);
        XImage* image = XGetImage(display, window, 0, 0, unsigned(width), unsigned(height),
                                  AllPlanes, ZPixmap);
        if (!image) return false;
        shot.width = width;
        shot.height = height;
        shot.rgb.resize(size_t(width) * size_t(height) * 3);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                unsigned long pixel = XGetPixel(image, x, y);
                uint8_t* out = &shot.rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
                out[0] = uint8_t((pixel & image->red_mask) >> shift(image->red_mask));
                out[1] = uint8_t((pixel & image->green_mask) >> shift(image->green_mask));
                out[2] = uint8_t((pixel & image->blue_mask) >> shift(image->blue_mask));
            }
        XDestroyImage(image);
        return true;
    }

    void movePointer(int32_t x, int32_t y) override {
        int rootX = 0, rootY = 0;
        Window child;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                              &child);
        XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
        XSync(display, False);
    }

private:
    void inject(InputKey key, bool down) override {
        switch (key) {
        case InputKey::leftButton: XTestFakeButtonEvent(display, 1, down, CurrentTime); break;
        case InputKey::middleButton: XTestFakeButtonEvent(display, 2, down, CurrentTime); break;
        case InputKey::rightButton: XTestFakeButtonEvent(display, 3, down, CurrentTime); break;
        case InputKey::shift: fakeKey(XK_Shift_L, down); break;
        case InputKey::control: fakeKey(XK_Control_L, down); break;
        case InputKey::alt: fakeKey(XK_Alt_L, down); break;
        }
        XSync(display, False);
    }

    static int shift(unsigned long mask) {
        int bits = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++bits;
        }
        return bits;
    }
    void fakeKey(KeySym symbol, bool down) {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down, CurrentTime);
    }

    Display* display;
    Window window;
    int32_t width, height;
    Atom closeAtom;
    bool open = true;
};
}  // namespace

std::unique_ptr<HostWindow> HostWindow::create(int32_t width, int32_t height, const char* title,
                                               std::string& error) {
    Display* display = platform::openX11Display();
    if (!display) {
        error = "cannot open the X display (is DISPLAY set?)";
        return nullptr;
    }
    int event, firstError, major, minor;
    if (!XTestQueryExtension(display, &event, &firstError, &major, &minor)) {
        XCloseDisplay(display);
        error = "the X server has no XTest extension";
        return nullptr;
    }
    int screen = DefaultScreen(display);
    Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                        unsigned(width), unsigned(height), 0,
                                        BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, title);
    fixSize(display, window, width, height);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent e;;) {
        XNextEvent(display, &e);
        if (e.type == MapNotify) break;
    }
    return std::make_unique<X11HostWindow>(display, window, width, height);
}
