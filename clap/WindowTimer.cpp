// SPDX-License-Identifier: MIT
// The editor's own idle timer, for hosts that offer no timer-support: on
// Windows a timer on the editor's window, run by the host's message loop;
// the toolkit's X11 windows have no loop of their own to run one.

#include "clap/ClapGui.h"

#ifdef _WIN32
#include <windows.h>

namespace {
// The timer's id is the GUI it steps.
void CALLBACK stepEditor(HWND, UINT, UINT_PTR id, DWORD) { reinterpret_cast<ClapGui*>(id)->idle(); }
}  // namespace

bool startWindowTimer(void* window, ClapGui& gui) {
    return SetTimer(static_cast<HWND>(window), reinterpret_cast<UINT_PTR>(&gui),
                    ClapGui::kIdlePeriodMs, stepEditor) != 0;
}

void stopWindowTimer(void* window, ClapGui& gui) {
    KillTimer(static_cast<HWND>(window), reinterpret_cast<UINT_PTR>(&gui));
}
#else
bool startWindowTimer(void*, ClapGui&) { return false; }
void stopWindowTimer(void*, ClapGui&) {}
#endif
