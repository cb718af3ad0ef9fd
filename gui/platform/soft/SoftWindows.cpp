// SPDX-License-Identifier: MIT
// The software platform's window functions: classes, windows, messages and
// the device contexts that draw into a window's picture. What shows a window
// and brings its events is its window system (SoftWindow.h).

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "gui/platform/InputReading.h"
#include "gui/platform/Zoom.h"
#include "gui/platform/soft/InputState.h"
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
std::optional<double> screenScaleOverride;
}  // namespace

void setScreenScaleOverride(std::optional<double> scale) { screenScaleOverride = scale; }

void SoftWindow::setZoom(int32_t newZoom) {
    zoom = newZoom;
    zoomed = zoom > 1 ? Surface(shownWidth(), shownHeight(), PixelFormat::colour) : Surface();
    if (zoom > 1) zoomInto(zoomed, picture, {0, 0, width, height}, zoom);
}

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
    auto position = intptr_t(uint32_t(x & 0xFFFF) | uint32_t(y & 0xFFFF) << 16);
    deliver(window, message, 0, unzoomedPosition(position, window->zoom));
}

std::span<WindowSystem* const> windowSystems() {
    static const std::array<WindowSystem*, 2> systems{&displayWindowSystem(), &headlessWindowSystem()};
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
        if (!isEmpty(area) && soft->zoom > 1) {
            zoomInto(soft->zoomed, soft->picture, area, soft->zoom);
            int32_t z = soft->zoom;
            area = {area.left * z, area.top * z, area.right * z, area.bottom * z};
        }
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
                         void*, int32_t zoom) {
    auto found = className ? classes().find(className) : classes().end();
    if (found == classes().end() || !parent || width <= 0 || height <= 0 || zoom < 1 ||
        zoom > kMaxZoom)
        return nullptr;
    SoftWindow* parentWindow = asSoftWindow(parent);
    // The fonts are made ready with the window, so that its first paint,
    // which a host times as part of an idle, does not wait for them.
    loadFontLibrary();
    SoftWindow* window = newWindow(parentWindow, width, height);
    window->proc = found->second;
    window->setZoom(zoom);
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

bool setWindowZoom(Window window, int32_t zoom) {
    SoftWindow* soft = asSoftWindow(window);
    if (!soft || !isZoom(zoom)) return false;
    if (zoom != soft->zoom) {
        soft->system->rezoom(*soft, zoom);
        deliverPaint(soft);
    }
    return true;
}

int32_t windowZoom(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    return soft ? soft->zoom : 1;
}

// The setting toolkits honour on Linux desktops.
double userScale() {
    const char* scale = std::getenv("GDK_SCALE");
    return scale ? std::max(std::atof(scale), 0.0) : 0.0;
}

double screenScale(Window) {
    if (screenScaleOverride) return *screenScaleOverride;
    for (WindowSystem* system : windowSystems())
        if (double scale = system->screenScale(); scale > 0.0) return scale;
    return 0.0;
}

void* nativeWindow(Window window) {
    SoftWindow* soft = asSoftWindow(window);
    return soft && soft->peer ? reinterpret_cast<void*>(soft->peer) : window;
}

bool showWindow(Window window, bool visible) {
    SoftWindow* soft = asSoftWindow(window);
    if (!soft) return false;
    soft->system->show(*soft, visible);
    return true;
}

Pt mapToWindow(Window window, Pt point) {
    SoftWindow* soft = asSoftWindow(window);
    return soft ? soft->system->screenToWindow(*soft, point) : point;
}

}  // namespace platform

