// SPDX-License-Identifier: MIT
// The browser's window system of the software platform: a window made under
// any foreign handle is shown in a <canvas> that the page's script keeps.
// Implements: presents into an RGBA copy of what the window shows, with the
// rectangle changed since the script last drew; the buttons, keys, pointer
// and screen scale the script reports from the page's events; presses
// delivered as the script sees them. Does not: place windows (each canvas is
// its own screen, the window at its origin) or bring events itself.
//
// The script calls the functions at the end, by their C names.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "gui/platform/InputReading.h"
#include "gui/platform/Zoom.h"
#include "gui/platform/soft/Bounds.h"
#include "gui/platform/soft/SoftWindow.h"

namespace soft {
namespace {
using platform::Box;
using platform::Pt;

// What a canvas draws from: the shown picture as canvas pixels, and what
// changed in it since it was last drawn.
struct CanvasPeer {
    std::vector<uint32_t> rgba;
    Box changed{0, 0, 0, 0};
    bool exposed = false;  // shown at its size, not yet painted
    bool visible = true;
};

CanvasPeer& peerOf(const SoftWindow& window) { return *reinterpret_cast<CanvasPeer*>(window.peer); }

// A pixel 0x00RRGGBB as the canvas's bytes R, G, B, A (little-endian words).
constexpr uint32_t toCanvas(Pixel pixel) {
    return 0xFF000000u | (pixel >> 16 & 0xFFu) | (pixel & 0xFF00u) | (pixel & 0xFFu) << 16;
}

std::array<bool, 256> keysDown{};
// Keys pressed since the last reading: a click quicker than the game's
// step still reaches it, as the page's events arrive between readings.
std::array<bool, 256> keysPressed{};
Pt pointer{0, 0};
double screenScaleSeen = 0.0;

class CanvasWindowSystem final : public WindowSystem {
public:
    bool attach(SoftWindow& window, platform::Window foreignParent) override {
        if (!foreignParent) return false;
        auto* peer = new CanvasPeer;
        window.peer = reinterpret_cast<uintptr_t>(peer);
        resize(window);
        canvases.push_back(&window);
        return true;
    }

    void detach(SoftWindow& window) override {
        std::erase(canvases, &window);
        delete &peerOf(window);
        window.peer = 0;
    }

    void present(SoftWindow& window, const Box& area) override {
        CanvasPeer& peer = peerOf(window);
        const Surface& shown = window.shown();
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const Pixel* in = shown.row(y);
            uint32_t* out = peer.rgba.data() + size_t(y) * size_t(shown.width());
            for (int32_t x = area.left; x < area.right; ++x) out[x] = toCanvas(in[x]);
        }
        peer.changed = unite(peer.changed, area);
    }

    void rezoom(SoftWindow& window, int32_t zoom) override {
        window.setZoom(zoom);
        resize(window);
    }

    void show(SoftWindow& window, bool visible) override { peerOf(window).visible = visible; }

    // The window a canvas shows, by the handle the editor names it by.
    SoftWindow* byHandle(uintptr_t handle) const {
        for (SoftWindow* window : canvases)
            if (window->peer == handle) return window;
        return nullptr;
    }

    // A new canvas is painted whole at the next idle, as a window system's
    // first expose event would have it.
    void dispatchEvents() override {
        for (SoftWindow* window : canvases) {
            CanvasPeer& peer = peerOf(*window);
            if (!peer.exposed) continue;
            peer.exposed = false;
            deliverPaint(window);
        }
    }
    bool holdsInput() const override { return true; }

    platform::InputReading readInput(SoftWindow* window) override {
        platform::InputReading reading;
        for (int32_t key : platform::kReadKeys) {
            if (keysDown[size_t(key)] || keysPressed[size_t(key)]) reading.held |= 1u << key;
            keysPressed[size_t(key)] = false;
        }
        reading.hasPointer = true;
        reading.pointer = pointer;
        if (window) {
            reading.window = handleOf(window);
            reading.inWindow = screenToWindow(*window, pointer);
        }
        return reading;
    }

    Pt screenToWindow(const SoftWindow& window, Pt screen) override {
        return platform::unzoomed(screen, window.zoom);
    }

    double screenScale() override { return screenScaleSeen; }

private:
    static void resize(SoftWindow& window) {
        CanvasPeer& peer = peerOf(window);
        peer.rgba.assign(size_t(window.shownWidth()) * size_t(window.shownHeight()), 0xFF000000u);
        peer.changed = {0, 0, window.shownWidth(), window.shownHeight()};
        peer.exposed = true;
    }

    std::vector<SoftWindow*> canvases;
};

CanvasWindowSystem& canvasSystem() {
    static CanvasWindowSystem system;
    return system;
}

SoftWindow* canvasWindow(uintptr_t handle) { return handle ? canvasSystem().byHandle(handle) : nullptr; }
}  // namespace

WindowSystem& displayWindowSystem() { return canvasSystem(); }

}  // namespace soft

// ---- For the page's script ----------------------------------------------------
// Window handles are the numbers the editor names its window by (its native
// handle); positions are canvas pixels (what the window shows, at its zoom).

extern "C" {

__attribute__((used)) void skyrun_canvas_set_key(int32_t virtualKey, int32_t down) {
    if (virtualKey < 0 || virtualKey >= int32_t(soft::keysDown.size())) return;
    soft::keysDown[size_t(virtualKey)] = down != 0;
    if (down) soft::keysPressed[size_t(virtualKey)] = true;
}

__attribute__((used)) void skyrun_canvas_set_pointer(int32_t x, int32_t y) { soft::pointer = {x, y}; }

__attribute__((used)) void skyrun_canvas_set_screen_scale(double scale) {
    soft::screenScaleSeen = scale > 0.0 ? scale : 0.0;
}

// A left or right button press at a canvas position; false for a handle
// that is not a canvas's window.
__attribute__((used)) int32_t skyrun_canvas_press(uintptr_t window, int32_t right, int32_t x, int32_t y) {
    soft::SoftWindow* canvas = soft::canvasWindow(window);
    if (!canvas || x < 0 || y < 0 || x >= canvas->shownWidth() || y >= canvas->shownHeight())
        return 0;
    soft::deliverPress(canvas, right ? platform::msgRightButtonDown : platform::msgLeftButtonDown, x, y);
    return 1;
}

// The canvas's size in pixels; 0 for a handle that is not a canvas's window.
__attribute__((used)) int32_t skyrun_canvas_width(uintptr_t window) {
    soft::SoftWindow* canvas = soft::canvasWindow(window);
    return canvas ? canvas->shownWidth() : 0;
}
__attribute__((used)) int32_t skyrun_canvas_height(uintptr_t window) {
    soft::SoftWindow* canvas = soft::canvasWindow(window);
    return canvas ? canvas->shownHeight() : 0;
}

// Whether the editor asked its window shown (1) or hidden (0).
__attribute__((used)) int32_t skyrun_canvas_visible(uintptr_t window) {
    soft::SoftWindow* canvas = soft::canvasWindow(window);
    return canvas && soft::peerOf(*canvas).visible;
}

// Its pixels, RGBA, rows of the canvas's width.
__attribute__((used)) const uint32_t* skyrun_canvas_pixels(uintptr_t window) {
    soft::SoftWindow* canvas = soft::canvasWindow(window);
    return canvas ? soft::peerOf(*canvas).rgba.data() : nullptr;
}

// Writes the rectangle changed since the last call (left, top, right,
// bottom) and forgets it; false when nothing changed.
__attribute__((used)) int32_t skyrun_canvas_take_changed(uintptr_t window, int32_t* box) {
    soft::SoftWindow* canvas = soft::canvasWindow(window);
    if (!canvas || !box) return 0;
    platform::Box& changed = soft::peerOf(*canvas).changed;
    if (soft::isEmpty(changed)) return 0;
    box[0] = changed.left;
    box[1] = changed.top;
    box[2] = changed.right;
    box[3] = changed.bottom;
    changed = {0, 0, 0, 0};
    return 1;
}

}  // extern "C"
