// SPDX-License-Identifier: MIT
// Headless windows of the software platform: windows live in memory only.
// Implements: windows beside their parent at its screen position, the button,
// key and pointer state that tests set (InputState.h), and mapping by the
// window's recorded position, and a screen of their own that keeps what was
// presented, for tests to read. Does not: attach to a handle that is not one
// of ours, or bring events (tests deliver them by hand).

#include <algorithm>
#include <array>

#include "gui/platform/soft/InputState.h"
#include "gui/platform/soft/SoftWindow.h"

namespace soft {
namespace {
std::array<bool, 256> keysDown{};
platform::Pt cursor{0, 0};

class HeadlessWindowSystem final : public WindowSystem {
public:
    bool attach(SoftWindow&, platform::Window) override { return false; }
    void detach(SoftWindow&) override {}
    void present(SoftWindow& window, const platform::Box& area) override {
        const Surface& shown = window.shown();
        if (window.screen.width() != shown.width() || window.screen.height() != shown.height())
            window.screen = Surface(shown.width(), shown.height(), PixelFormat::colour);
        for (int32_t y = area.top; y < area.bottom; ++y)
            std::copy(shown.row(y) + area.left, shown.row(y) + area.right,
                      window.screen.row(y) + area.left);
    }
    void show(SoftWindow&, bool) override {}
    void rezoom(SoftWindow& window, int32_t zoom) override { window.setZoom(zoom); }
    void dispatchEvents() override {}
    bool holdsInput() const override { return true; }

    platform::InputReading readInput(SoftWindow*) override {
        platform::InputReading reading;
        for (int32_t key : platform::kReadKeys)
            if (keysDown[size_t(key)]) reading.held |= 1u << key;
        reading.hasPointer = true;
        reading.pointer = cursor;
        return reading;
    }

    platform::Pt screenToWindow(const SoftWindow& window, platform::Pt screen) override {
        return {screen.x - window.x, screen.y - window.y};
    }

    double screenScale() override { return 0.0; }
};
}  // namespace

WindowSystem& headlessWindowSystem() {
    static HeadlessWindowSystem system;
    return system;
}

void setKeyDown(int32_t virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey < int32_t(keysDown.size()))
        keysDown[size_t(virtualKey)] = down;
}

void setCursorPosition(platform::Pt screenPoint) { cursor = screenPoint; }

}  // namespace soft
