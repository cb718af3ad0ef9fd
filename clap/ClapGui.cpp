// SPDX-License-Identifier: MIT
#include "clap/ClapGui.h"

#include <cstring>

namespace {
void* parentHandle(const clap_window& window) {
#ifdef _WIN32
    return window.win32;
#else
    return reinterpret_cast<void*>(uintptr_t(window.x11));
#endif
}
}  // namespace

bool ClapGui::supports(const char* api, bool floating) {
    return api && std::strcmp(api, kClapWindowApiHere) == 0 && !floating;
}

bool ClapGui::create(const char* api, bool floating) {
    if (created || !supports(api, floating)) return false;
    created = true;
    return true;
}

void ClapGui::destroy() {
    if (effect.editorIsOpen()) {
        stopIdle();
        effect.closeEditor();
    }
    created = false;
}

bool ClapGui::size(uint32_t* width, uint32_t* height) {
    return width && height && effect.editorSize(*width, *height);
}

bool ClapGui::setParent(const clap_window* parent) {
    if (!created || effect.editorIsOpen() || !parent || !parent->api ||
        std::strcmp(parent->api, kClapWindowApiHere) != 0 ||
        !effect.openEditor(parentHandle(*parent)))
        return false;
    startIdle();
    return true;
}

void ClapGui::onTimer(clap_id timer) {
    if (timer != kClapInvalidId && timer == hostTimer) idle();
}

const clap_host_timer_support* ClapGui::hostTimers() const {
    auto* timers = static_cast<const clap_host_timer_support*>(
        host->get_extension(host, kClapExtTimerSupport));
    return timers && timers->register_timer && timers->unregister_timer ? timers : nullptr;
}

// On Linux a host that offers no timer-support gives the editor no idle: it
// shows the frame it drew on opening and the game stands still (the toolkit's
// X11 windows have no event loop of their own to run a timer on).
void ClapGui::startIdle() {
    if (auto* timers = hostTimers(); timers && timers->register_timer(host, kIdlePeriodMs, &hostTimer))
        return;
    hostTimer = kClapInvalidId;
    if (startWindowTimer(effect.editorWindow(), *this)) ownTimerWindow = effect.editorWindow();
}

void ClapGui::stopIdle() {
    if (hostTimer != kClapInvalidId) {
        if (auto* timers = hostTimers()) timers->unregister_timer(host, hostTimer);
        hostTimer = kClapInvalidId;
    }
    if (ownTimerWindow) stopWindowTimer(ownTimerWindow, *this);
    ownTimerWindow = nullptr;
}
