// SPDX-License-Identifier: MIT
// X11 windows of the software platform: a child of the host's X11 window on
// the module's own display connection, open while any such window lives.
// Implements: the peer window under a foreign X11 window id; what was drawn
// since the last showing, sent as one rectangle when a device context on the
// window is released, the server reading it straight from the window's
// picture where it can share memory with us (MIT-SHM), with XPutImage
// otherwise; exposures, left and right presses and the host destroying its
// window first (drained when the editor idles); buttons, Shift, Control, Alt
// and the pointer from one XQueryPointer, asked again only after the server
// has reported input from a device (XInput 2.1 raw events; without them, at
// every reading); mapping through XTranslateCoordinates; the screen's scale
// from the Xft.dpi resource; a zoomed window's peer sized to what it shows;
// mapping and unmapping the peer.
// Does not: make
// top-level windows, show visuals of fewer than 24 bits, or notice a pointer
// warped or a window moved by a program before the next device input.

#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>
#include <map>
#include <optional>

#include "gui/platform/X11Display.h"
#include "gui/platform/soft/SoftWindow.h"

namespace soft {
namespace {
int shmOpcode = -1;       // the shared-memory extension's requests, once known
bool shmRefused = false;  // an error answered one of them

// A window id the server does not know raises an error; answer it quietly.
// A server on another machine refuses to attach shared memory.
int noteErrors(Display*, XErrorEvent* error) {
    if (error->request_code == shmOpcode) shmRefused = true;
    return 0;
}

// The server's bits for what a reading holds.
constexpr struct {
    unsigned int mask;
    int32_t key;
} kHeldMasks[] = {{Button1Mask, platform::vkLeftButton}, {Button2Mask, platform::vkMiddleButton},
                  {Button3Mask, platform::vkRightButton}, {ShiftMask, platform::vkShift},
                  {ControlMask, platform::vkControl},    {Mod1Mask, platform::vkAlt}};

// A window's picture in memory that the server reads the pixels from itself.
// Drawing may overlap the server's reading of an earlier showing: what it
// changes lies in the next showing's rectangle, which the server reads later.
struct SharedImage {
    XShmSegmentInfo segment{};
    XImage* image = nullptr;
};

struct Peer {
    SoftWindow* window;
    SharedImage shared;
};

class X11WindowSystem final : public WindowSystem {
public:
    bool attach(SoftWindow& window, platform::Window foreignParent) override {
        auto parentId = static_cast<::Window>(reinterpret_cast<uintptr_t>(foreignParent));
        if (!display && !openConnection()) return false;
        XWindowAttributes parentAttributes;
        if (!XGetWindowAttributes(display, parentId, &parentAttributes)) {
            if (peers.empty()) closeDisplay();
            return false;
        }
        ::Window id = XCreateSimpleWindow(display, parentId, 0, 0, unsigned(window.shownWidth()),
                                          unsigned(window.shownHeight()), 0, 0, 0);
        XSelectInput(display, id, ExposureMask | ButtonPressMask | StructureNotifyMask);
        XMapWindow(display, id);
        XFlush(display);
        window.peer = id;
        Peer& peer = peers[id];
        peer.window = &window;
        shareImage(peer.shared, id, window);
        return true;
    }

    void detach(SoftWindow& window) override {
        if (!display || !window.peer) return;
        XDestroyWindow(display, window.peer);
        forget(window);
        XFlush(display);
        if (peers.empty()) closeDisplay();
    }

    void present(SoftWindow& window, const platform::Box& area) override {
        auto found = peers.find(window.peer);
        if (!display || found == peers.end() || depth() < 24) return;
        SharedImage& shared = found->second.shared;
        auto width = unsigned(area.right - area.left), height = unsigned(area.bottom - area.top);
        GC gc = DefaultGC(display, DefaultScreen(display));
        if (shared.image) {
            XShmPutImage(display, window.peer, gc, shared.image, area.left, area.top, area.left,
                         area.top, width, height, False);
        } else {
            // The surface's 0x00RRGGBB pixels are what a 24-bit TrueColor visual takes.
            XImage* image = XCreateImage(display, DefaultVisual(display, DefaultScreen(display)),
                                         unsigned(depth()), ZPixmap, 0,
                                         reinterpret_cast<char*>(window.shown().row(0)),
                                         unsigned(window.shownWidth()),
                                         unsigned(window.shownHeight()), 32, 0);
            if (!image) return;
            XPutImage(display, window.peer, gc, image, area.left, area.top, area.left, area.top,
                      width, height);
            image->data = nullptr;  // the pixels belong to the surface
            XDestroyImage(image);
        }
        XFlush(display);
    }

    void show(SoftWindow& window, bool visible) override {
        if (!display || !window.peer) return;
        if (visible)
            XMapWindow(display, window.peer);
        else
            XUnmapWindow(display, window.peer);
        // Done when this returns, as a host asking the server next on a
        // connection of its own expects.
        XSync(display, False);
    }

    void rezoom(SoftWindow& window, int32_t zoom) override {
        auto found = peers.find(window.peer);
        if (!display || found == peers.end()) return window.setZoom(zoom);
        releaseImage(found->second.shared, window);
        window.setZoom(zoom);
        XResizeWindow(display, window.peer, unsigned(window.shownWidth()),
                      unsigned(window.shownHeight()));
        shareImage(found->second.shared, window.peer, window);
    }

    // Xft.dpi, as desktops set it for every program's text and windows;
    // read once, as a connection of its own costs more than an editor's
    // opening, and desktops change it rarely (toolkits too read it at start).
    double screenScale() override {
        if (!knownScreenScale) knownScreenScale = readScreenScale();
        return *knownScreenScale;
    }

    double readScreenScale() {
        Display* connection = display ? display : XOpenDisplay(nullptr);
        double scale = xftScale(connection ? XResourceManagerString(connection) : nullptr);
        if (connection && connection != display) XCloseDisplay(connection);
        return scale;
    }

    // Takes what has come so far: the connection is read once, and events
    // arriving meanwhile wait for the next pass.
    void dispatchEvents() override {
        eventsJustRead = display != nullptr;
        // Device input is read off the connection first: events queued
        // earlier would otherwise keep XPending from reading it.
        if (display) takeDeviceInput();
        for (int count = display ? XPending(display) : 0; count > 0 && display; --count) {
            XEvent event;
            XNextEvent(display, &event);
            if (isDeviceInput(event)) {
                readingCurrent = false;
                continue;
            }
            auto found = peers.find(event.xany.window);
            if (found != peers.end()) handle(event, found->second);
        }
    }

    bool holdsInput() const override { return display != nullptr; }

    // The last reply stands while no device has reported input since: the
    // buttons, keys and pointer are then as it says, and asking again would
    // only cost a round trip to the server. Right after an event pass (an
    // idle reads its input just after its pass) what the pass read is all
    // there is to know; otherwise the connection is read for device input.
    platform::InputReading readInput(SoftWindow* window) override {
        SoftWindow* askedFor = window && window->system == this && window->peer ? window : nullptr;
        if (!eventsJustRead) takeDeviceInput();
        eventsJustRead = false;
        if (!readingCurrent || askedFor != lastAskedFor) {
            lastReading = queryPointer(askedFor);
            lastAskedFor = askedFor;
            readingCurrent = tracksDeviceInput;
        }
        return lastReading;
    }

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
    // Asked relative to the window, the one reply also tells where the
    // pointer lies in it.
    platform::InputReading queryPointer(SoftWindow* window) {
        platform::InputReading reading;
        ::Window root, child;
        int x = 0, y = 0;
        unsigned int mask = 0;
        bool sameScreen = XQueryPointer(display, window ? window->peer : DefaultRootWindow(display),
                                        &root, &child, &reading.pointer.x, &reading.pointer.y,
                                        &x, &y, &mask);
        for (const auto& held : kHeldMasks)
            if (mask & held.mask) reading.held |= 1u << held.key;
        reading.hasPointer = true;
        if (window && sameScreen) {
            reading.window = handleOf(window);
            reading.inWindow = {x, y};
        }
        return reading;
    }

    // Every press, release and move of any device is reported to us, even
    // under another client's grab (XInput 2.1 and later), so a reply can be
    // kept until one comes.
    void watchDeviceInput() {
        int event, error, major = 2, minor = 2;
        if (!XQueryExtension(display, "XInputExtension", &xinputOpcode, &event, &error) ||
            XIQueryVersion(display, &major, &minor) != Success || (major == 2 && minor < 1))
            return;
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        for (int type : {XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress,
                         XI_RawButtonRelease, XI_RawMotion})
            XISetMask(bits, type);
        XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
        tracksDeviceInput = XISelectEvents(display, DefaultRootWindow(display), &mask, 1) ==
                            Success;
    }

    // Reads the connection for device input, which makes the kept reading stale.
    void takeDeviceInput() {
        XEvent event;
        while (tracksDeviceInput && XCheckTypedEvent(display, GenericEvent, &event))
            if (isDeviceInput(event)) readingCurrent = false;
    }

    bool isDeviceInput(const XEvent& event) const {
        return tracksDeviceInput && event.type == GenericEvent &&
               event.xcookie.extension == xinputOpcode;
    }

    bool openConnection() {
        display = platform::openX11Display();
        if (!display) return false;
        XSetErrorHandler(noteErrors);
        int event, error;
        sharesMemory = XShmQueryExtension(display) &&
                       XQueryExtension(display, "MIT-SHM", &shmOpcode, &event, &error);
        watchDeviceInput();
        return true;
    }

    int depth() const { return DefaultDepth(display, DefaultScreen(display)); }

    // Moves the window's picture into memory shared with the server; leaves
    // it where it is when the server has none for us, and the window is then
    // shown with XPutImage.
    void shareImage(SharedImage& shared, ::Window id, SoftWindow& window) {
        if (!sharesMemory || depth() < 24) return;
        auto width = unsigned(window.shownWidth()), height = unsigned(window.shownHeight());
        XImage* image = XShmCreateImage(display, DefaultVisual(display, DefaultScreen(display)),
                                        unsigned(depth()), ZPixmap, nullptr, &shared.segment,
                                        width, height);
        if (!image) return;
        size_t bytes = size_t(image->bytes_per_line) * height;
        shared.segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        void* memory = shared.segment.shmid < 0 ? reinterpret_cast<void*>(-1)
                                                : shmat(shared.segment.shmid, nullptr, 0);
        // The surface's 0x00RRGGBB pixels, rows without gaps, are what a
        // 24-bit TrueColor image of 32 bits a pixel holds.
        if (memory != reinterpret_cast<void*>(-1) && image->bits_per_pixel == 32 &&
            size_t(image->bytes_per_line) == size_t(width) * 4) {
            shared.segment.shmaddr = image->data = static_cast<char*>(memory);
            shared.segment.readOnly = False;
            shmRefused = false;
            // Both sides touch every page now, with the window, so that the
            // first paint, which a host times as part of an idle, does not.
            std::memcpy(memory, window.shown().row(0), bytes);
            XShmAttach(display, &shared.segment);
            XShmPutImage(display, id, DefaultGC(display, DefaultScreen(display)), image, 0, 0, 0,
                         0, width, height, False);
            XSync(display, False);  // the refusal, if any, comes back here
            if (!shmRefused) shared.image = image;
        }
        // Marked for removal now, the segment goes when both sides let go of it.
        if (shared.segment.shmid >= 0) shmctl(shared.segment.shmid, IPC_RMID, nullptr);
        if (shared.image) {
            window.shown() = Surface::over(reinterpret_cast<Pixel*>(memory),
                                           window.shownWidth(), window.shownHeight());
            return;
        }
        if (memory != reinterpret_cast<void*>(-1)) shmdt(memory);
        XDestroyImage(image);
    }

    // The picture comes back into the window's own memory first, as the
    // window may outlive its peer.
    void releaseImage(SharedImage& shared, SoftWindow& window) {
        if (!shared.image) return;
        Surface own(window.shownWidth(), window.shownHeight(), PixelFormat::colour);
        std::memcpy(own.row(0), window.shown().row(0),
                    size_t(own.width()) * size_t(own.height()) * sizeof(Pixel));
        window.shown() = std::move(own);
        XShmDetach(display, &shared.segment);
        XSync(display, False);  // the server lets go before the memory does
        shmdt(shared.segment.shmaddr);
        XDestroyImage(shared.image);
        shared.image = nullptr;
    }

    void forget(SoftWindow& window) {
        auto found = peers.find(window.peer);
        if (found != peers.end()) {
            releaseImage(found->second.shared, window);
            peers.erase(found);
        }
        if (lastAskedFor == &window) readingCurrent = false;
        window.peer = 0;
    }

    void handle(const XEvent& event, Peer& peer) {
        SoftWindow& window = *peer.window;
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
            forget(window);
            freeWindow(&window);
            if (peers.empty()) closeDisplay();
            break;
        default:
            break;
        }
    }

    void closeDisplay() {
        XCloseDisplay(display);
        display = nullptr;
        sharesMemory = false;
        tracksDeviceInput = readingCurrent = false;
        shmOpcode = -1;
    }

    Display* display = nullptr;
    bool sharesMemory = false;  // the server offers MIT-SHM
    std::map<::Window, Peer> peers;
    int xinputOpcode = -1;
    bool tracksDeviceInput = false;  // raw device events come, so a reply can be kept
    bool readingCurrent = false;     // no device input since lastReading was asked
    bool eventsJustRead = false;     // an event pass has read the connection since the last reading
    SoftWindow* lastAskedFor = nullptr;
    platform::InputReading lastReading;
    std::optional<double> knownScreenScale;  // 0 when the settings say nothing
};
}  // namespace

double xftScale(const char* resources) {
    double dpi = 0.0;
    if (resources) {
        XrmInitialize();
        XrmDatabase database = XrmGetStringDatabase(resources);
        char* type = nullptr;
        XrmValue value{};
        if (database && XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) &&
            value.addr)
            dpi = std::atof(value.addr);
        if (database) XrmDestroyDatabase(database);
    }
    return dpi > 0.0 ? dpi / 96.0 : 0.0;
}

WindowSystem& displayWindowSystem() {
    static X11WindowSystem system;
    return system;
}

}  // namespace soft
