// SPDX-License-Identifier: MIT
#pragma once
// The host's own top-level window that a plug-in's editor opens in, with
// the ways a test or demo drives it: real button presses and held keys
// injected through the window system, and screenshots of its pixels.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class InputKey { leftButton, middleButton, rightButton, shift, control, alt };
constexpr int inputKeyCount = 6;

struct Screenshot {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;  // rows top to bottom, three bytes a pixel
};

class HostWindow {
public:
    // Null with `error` set when no window can be made (no display, say).
    static std::unique_ptr<HostWindow> create(int32_t width, int32_t height, const char* title,
                                              std::string& error);
    virtual ~HostWindow() = default;

    // The handle the editor opens in: an HWND, or an X11 window id.
    virtual void* parentHandle() = 0;
    // Destroys the native window at once, children and all, as a host that
    // tears its window down before closing the editor; afterwards only
    // pumpEvents may be called.
    virtual void destroyNow() = 0;
    // Gives the inside of the window this size, for an editor that asks for
    // its size once open.
    virtual void resize(int32_t width, int32_t height) = 0;
    // Handles what the window system has queued; false once the user closed the window.
    virtual bool pumpEvents() = 0;
    // Whether any window (an editor's, say) still lives inside this one.
    virtual bool hasChildWindows() = 0;
    virtual bool capture(Screenshot& shot) = 0;
    // Moves the pointer to the window point, as the user would.
    virtual void movePointer(int32_t x, int32_t y) = 0;
    // Holds or releases a button or key, as the user would.
    void setHeld(InputKey key, bool down) {
        held[int(key)] = down;
        inject(key, down);
    }
    // A press and release at a window point.
    void click(InputKey button, int32_t x, int32_t y) {
        movePointer(x, y);
        setHeld(button, true);
        pumpEvents();
        setHeld(button, false);
    }

protected:
    virtual void inject(InputKey key, bool down) = 0;
    // Lets go of what is still held, so that nothing stays pressed after the
    // host; a window's destructor calls it while its connection is still open.
    void releaseHeld() {
        for (int key = 0; key < inputKeyCount; ++key)
            if (held[key]) setHeld(InputKey(key), false);
    }

private:
    bool held[inputKeyCount] = {};
};
