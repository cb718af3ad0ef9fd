// SPDX-License-Identifier: MIT
// The editor's window on X11: found in the host's window and mapped or
// unmapped through a connection of its own.

#include <X11/Xlib.h>

#include <cstdint>

#include "clap/ClapGui.h"
#include "gui/platform/X11Display.h"

void* editorWindowIn(void* parent) {
    ::Window child = platform::newestX11Child(::Window(reinterpret_cast<uintptr_t>(parent)));
    return child ? reinterpret_cast<void*>(uintptr_t(child)) : parent;
}

void showEditorWindow(void* window, bool visible) {
    Display* display = platform::openX11Display();
    if (!display) return;
    if (visible)
        XMapWindow(display, ::Window(uintptr_t(window)));
    else
        XUnmapWindow(display, ::Window(uintptr_t(window)));
    XCloseDisplay(display);
}

bool startWindowTimer(void*, ClapGui&) { return false; }
void stopWindowTimer(void*, ClapGui&) {}
