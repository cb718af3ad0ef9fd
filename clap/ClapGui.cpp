// SPDX-License-Identifier: MIT
#include "clap/ClapGui.h"

#include <cstring>

#include "clap/ClapEffect.h"
#include "interface/EditorRect.h"
#include "interface/Opcodes.h"

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
    if (window) {
        stopIdle();
        effect.dispatch(opEditorClose);
        window = nullptr;
    }
    created = false;
}

bool ClapGui::setScale(double scale) {
    return effect.dispatch(opVendorSpecific, kEditorScaleIndex, kEditorScaleValue, nullptr,
                           float(scale)) == 1;
}

bool ClapGui::size(uint32_t* width, uint32_t* height) {
    EditorRect* rect = nullptr;
    if (!width || !height || !effect.dispatch(opEditorGetRect, 0, 0, &rect) || !rect) return false;
    *width = uint32_t(rect->right - rect->left);
    *height = uint32_t(rect->bottom - rect->top);
    return true;
}

bool ClapGui::setParent(const clap_window* parent) {
    if (!created || window || !parent || !parent->api ||
        std::strcmp(parent->api, kClapWindowApiHere) != 0 ||
        !parentHandle(*parent))
        return false;
    if (!effect.dispatch(opEditorOpen, 0, 0, parentHandle(*parent))) return false;
    window = editorWindowIn(parentHandle(*parent));
    startIdle();
    return true;
}

bool ClapGui::setVisible(bool visible) {
    if (!window) return false;
    showEditorWindow(window, visible);
    return true;
}

void ClapGui::onTimer(clap_id timer) {
    if (window && timer == hostTimer) idle();
}

void ClapGui::idle() { effect.dispatch(opEditorIdle); }

// On Linux a host that offers no timer-support gives the editor no idle: it
// shows the frame it drew on opening and the game stands still (the toolkit's
// X11 windows have no event loop of their own to run a timer on).
void ClapGui::startIdle() {
    auto* timers = static_cast<const clap_host_timer_support*>(
        effect.host()->get_extension(effect.host(), kClapExtTimerSupport));
    if (timers && timers->register_timer &&
        timers->register_timer(effect.host(), kIdlePeriodMs, &hostTimer))
        return;
    hostTimer = kClapInvalidId;
    ownTimer = startWindowTimer(window, *this);
}

void ClapGui::stopIdle() {
    if (hostTimer != kClapInvalidId) {
        auto* timers = static_cast<const clap_host_timer_support*>(
            effect.host()->get_extension(effect.host(), kClapExtTimerSupport));
        if (timers && timers->unregister_timer) timers->unregister_timer(effect.host(), hostTimer);
        hostTimer = kClapInvalidId;
    }
    if (ownTimer) stopWindowTimer(window, *this);
    ownTimer = false;
}
