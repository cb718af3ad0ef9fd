// SPDX-License-Identifier: MIT
// The editor's window on Windows: the host's window's newest child, whose
// own timer steps the editor when the host offers none.

#include <windows.h>

#include "clap/ClapGui.h"

namespace {
// The timer's id is the GUI it steps.
void CALLBACK stepEditor(HWND, UINT, UINT_PTR id, DWORD) { reinterpret_cast<ClapGui*>(id)->idle(); }
}  // namespace

void* editorWindowIn(void* parent) {
    HWND child = GetWindow(static_cast<HWND>(parent), GW_CHILD);  // the top of the z-order
    return child ? child : parent;
}

void showEditorWindow(void* window, bool visible) {
    ShowWindow(static_cast<HWND>(window), visible ? SW_SHOW : SW_HIDE);
}

bool startWindowTimer(void* window, ClapGui& gui) {
    return SetTimer(static_cast<HWND>(window), reinterpret_cast<UINT_PTR>(&gui),
                    ClapGui::kIdlePeriodMs, stepEditor) != 0;
}

void stopWindowTimer(void* window, ClapGui& gui) {
    KillTimer(static_cast<HWND>(window), reinterpret_cast<UINT_PTR>(&gui));
}
