// SPDX-License-Identifier: MIT
#pragma once
// The plug-in's clap.gui: the effect's own editor embedded in the host's
// window (x11 on Linux, win32 on Windows), stepped by the host's timer at
// 30 Hz where it offers one, else by a timer of the editor's own window.

#include <cstdint>

#include "adapter/EffectAdapter.h"
#include "clap/Clap.h"

class ClapGui {
public:
    static constexpr uint32_t kIdlePeriodMs = 33;  // 30 Hz, as the editor expects its idle

    ClapGui(const clap_host* host, EffectAdapter& effect) : host(host), effect(effect) {}
    ~ClapGui() { destroy(); }
    ClapGui(const ClapGui&) = delete;
    ClapGui& operator=(const ClapGui&) = delete;

    static bool supports(const char* api, bool floating);
    // False, and nothing made, for an API not offered or a second create.
    bool create(const char* api, bool floating);
    void destroy();
    // The host's display scale: the editor's zoom, which its size follows.
    bool setScale(double scale) { return effect.setEditorScale(scale); }
    bool size(uint32_t* width, uint32_t* height);
    // Opens the editor in the host's window; false for a null window, one of
    // another API, or before create.
    bool setParent(const clap_window* window);
    bool setVisible(bool visible) { return effect.showEditor(visible); }
    // The host's timer; the editor idles on its own timer only.
    void onTimer(clap_id timer);
    // One step and drawing of the editor.
    void idle() { effect.idleEditor(); }

private:
    void startIdle();
    void stopIdle();
    const clap_host_timer_support* hostTimers() const;

    const clap_host* host;
    EffectAdapter& effect;
    bool created = false;
    clap_id hostTimer = kClapInvalidId;
    void* ownTimerWindow = nullptr;  // the editor's window, while its own timer runs
};

// A timer on the editor's window calling gui.idle() at 30 Hz; false where the
// platform has none.
bool startWindowTimer(void* window, ClapGui& gui);
void stopWindowTimer(void* window, ClapGui& gui);
