// SPDX-License-Identifier: MIT
#pragma once
// The host side of CLAP as skyrun-host, its tests and its benchmarks need it:
// a clap_host offering timer-support (or not), the timers a plug-in keeps
// registered, a stereo process call, and a native window as a clap_window.

#include <vector>

#include "clap/Clap.h"

class ClapHost {
public:
    explicit ClapHost(const char* name, bool offersTimers = true);
    ClapHost(const ClapHost&) = delete;
    ClapHost& operator=(const ClapHost&) = delete;

    const clap_host* table() const { return &host; }
    // Registered and not yet unregistered, in the order registered.
    const std::vector<clap_id>& timers() const { return live; }
    // Every period the plug-in asked for, and how many timers it gave back.
    const std::vector<uint32_t>& periodsAsked() const { return periods; }
    int unregisteredCount() const { return unregistered; }
    // Each live timer due once, as a host's timer loop calls them.
    void runTimers(const clap_plugin* plugin) const;

    // The plug-in's process over one stereo input and output.
    static clap_process_status processStereo(const clap_plugin* plugin, float** in, float** out,
                                             uint32_t frames);
    // The host's window, by its native handle, as the platform's GUI API names it.
    static clap_window windowOf(void* nativeHandle);

private:
    static ClapHost& of(const clap_host* host) { return *static_cast<ClapHost*>(host->host_data); }

    clap_host host;
    bool offersTimers;
    clap_host_timer_support timerSupport;
    std::vector<clap_id> live;
    std::vector<uint32_t> periods;
    int unregistered = 0;
    clap_id nextTimer = 0;
};
