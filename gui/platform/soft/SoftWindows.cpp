// The software platform's window functions: classes, windows, messages and
// the device contexts that draw into a window's picture. What shows a window
// and brings its events is its window system (SoftWindow.h).

#include <array>
#include <map>
#include <set>
#include <string>

#include "gui/platform/InputReading.h"
#include "gui/platform/soft/Bounds.h"
#include "gui/platform/soft/DeviceContext.h"
#include "gui/platform/soft/FontLibrary.h"
#include "gui/platform/soft/SoftWindow.h"
#include "gui/platform/soft/WindowDc.h"

namespace soft {
using namespace platform;
namespace {
std::map<std::string, WindowProc>& classes() {
    static std::map<std::string, WindowProc> registered;
    return registered;
}
std::set<SoftWindow*>& liveWindows() {
    static std::set<SoftWindow*> windows;
    return windows;
}
// The first system that can show the window under the handle takes it; on
// failure the window keeps the headless system, which has nothing to take down.
bool attachToForeignParent(SoftWindow& window, Window parent) {
    for (WindowSystem* system : windowSystems())
        if (system->attach(window, parent)) {
            window.system = system;
            return true;
        }
    return false;
}
}  // namespace

SoftWindow* asSoftWindow(Window window) {
    auto* candidate = reinterpret_cast<SoftWindow*>(window);
    return liveWindows().count(candidate) ? candidate : nullptr;
}

Window handleOf(SoftWindow* window) { return reinterpret_cast<Window>(window); }

SoftWindow* newWindow(SoftWindow* parent, int32_t width, int32_t height) {
    auto* window = new SoftWindow;
    window->parent = parent;
    window->width = width;
    window->height = height;
    if (parent) {
        window->x = parent->x;
        window->y = parent->y;
        parent->children.push_back(window);
    }
    window->picture = Surface(width, height, PixelFormat::colour);
    window->system = &headlessWindowSystem();
    liveWindows().insert(window);
    return window;
}

intptr_t deliver(SoftWindow* window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (!window->proc) return 0;
    return window->proc(handleOf(window), message, wParam, lParam);
}

void deliverPaint(SoftWindow* window) {
    window->updatePending = true;
    window->unshown = {0, 0, window->width, window->height};
    deliver(window, msgPaint);
}

void deliverPress(SoftWindow* window, uint32_t message, int32_t x, int32_t y) {
    deliver(window, message, 0, intptr_t(uint32_t(x & 0xFFFF) | uint32_t(y & 0xFFFF) << 16));
}

std::span<WindowSystem* const> windowSystems() {
    static const std::array<WindowSystem*, 2> systems{&x11WindowSystem(), &headlessWindowSystem()};
    return systems;
}

WindowSystem& inputWindowSystem() {
    for (WindowSystem* system : windowSystems())
        if (system->holdsInput()) return *system;
    return headlessWindowSystem();
}

void freeWindow(SoftWindow* window) {
    while (!window->children.empty()) freeWindow(window->children.back());
    deliver(window, msgDestroy);
    window->system->detach(*window);
    if (window->parent) std::erase(window->parent->children, window);
    liveWindows().erase(window);
    delete window;
}

Dc windowDc(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    return soft ? makeSurfaceDc(soft->picture) : nullptr;
}

// Shows what was drawn since the window was last shown, as one rectangle.
void releaseWindowDc(Window window, Dc dc) {
    if (!dc) return;
    if (SoftWindow* soft = asSoftWindow(window)) {
        Box area = clipTo(unite(soft->unshown, dc->drawn), soft->width, soft->height);
        soft->unshown = {0, 0, 0, 0};
        if (!isEmpty(area)) soft->system->present(*soft, area);
    }
    releaseSurfaceDc(dc);
}

}  // namespace soft

namespace platform {
using namespace ::soft;

bool registerWindowClass(const char* className, WindowProc proc, void*) {
    if (!className || !proc || classes().count(className)) return false;
    classes()[className] = proc;
    return true;
}

void unregisterWindowClass(const char* className, void*) {
    if (className) classes().erase(className);
}

Window createChildWindow(const char* className, Window parent, int32_t width, int32_t height,
                         void*) {
    auto found = className ? classes().find(className) : classes().end();
    if (found == classes().end() || !parent || width <= 0 || height <= 0) return nullptr;
    SoftWindow* parentWindow = asSoftWindow(parent);
    // The fonts are made ready with the window, so that its first paint,
    // which a host times as part of an idle, does not wait for them.
    loadFontLibrary();
    SoftWindow* window = newWindow(parentWindow, width, height);
    window->proc = found->second;
    if (!parentWindow && !attachToForeignParent(*window, parent)) {
        freeWindow(window);
        return nullptr;
    }
    return handleOf(window);
}

bool destroyWindow(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    if (!soft) return false;
    freeWindow(soft);
    return true;
}

intptr_t defaultWindowProc(Window, uint32_t, uintptr_t, intptr_t) { return 0; }

void setWindowUserData(Window window, void* data) {
    if (SoftWindow* soft = asSoftWindow(window)) soft->userData = data;
}

void* windowUserData(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    return soft ? soft->userData : nullptr;
}

bool hasUpdateRegion(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    return soft && soft->updatePending;
}

Dc beginPaint(Window window, PaintState& state) {
    state.dc = getDc(window);
    if (SoftWindow* soft = asSoftWindow(window)) soft->updatePending = false;
    return state.dc;
}

void endPaint(Window window, PaintState& state) {
    releaseDc(window, state.dc);
    state.dc = nullptr;
}

void dispatchPendingMessages() {
    for (WindowSystem* system : windowSystems()) system->dispatchEvents();
}

Pt mapToWindow(Window window, Pt point) {
    SoftWindow* soft = asSoftWindow(window);
    return soft ? soft->system->screenToWindow(*soft, point) : point;
}

}  // namespace platform

