// SPDX-License-Identifier: MIT
#include "host/formats/clap/ClapHost.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
// The plug-in's requests for a restart, a process or a main-thread callback
// need no answer from a host that restarts, processes and idles by itself.
void ignoreRequest(const clap_host*) {}
}  // namespace

ClapHost::ClapHost(const char* name, bool offersTimers)
    : host{.clap_version = kClapVersion,
           .host_data = this,
           .name = name,
           .vendor = "Orvane",
           .url = "",
           .version = "1",
           .get_extension = [](const clap_host* host, const char* id) -> const void* {
               ClapHost& self = of(host);
               return self.offersTimers && id && std::strcmp(id, kClapExtTimerSupport) == 0
                          ? &self.timerSupport
                          : nullptr;
           },
           .request_restart = ignoreRequest,
           .request_process = ignoreRequest,
           .request_callback = ignoreRequest},
      offersTimers(offersTimers),
      timerSupport{.register_timer =
                       [](const clap_host* host, uint32_t period, clap_id* id) {
                           ClapHost& self = of(host);
                           if (!id) return false;
                           self.periods.push_back(period);
                           self.live.push_back(*id = self.nextTimer++);
                           return true;
                       },
                   .unregister_timer = [](const clap_host* host, clap_id id) {
                       ClapHost& self = of(host);
                       auto found = std::find(self.live.begin(), self.live.end(), id);
                       if (found == self.live.end()) return false;
                       self.live.erase(found);
                       ++self.unregistered;
                       return true;
                   }} {}

void ClapHost::runTimers(const clap_plugin* plugin) const {
    auto* onTimer = static_cast<const clap_plugin_timer_support*>(
        plugin->get_extension(plugin, kClapExtTimerSupport));
    // A timer may be unregistered while the others run, so each is looked up.
    for (size_t at = 0; onTimer && at < live.size(); ++at) onTimer->on_timer(plugin, live[at]);
}

clap_process_status ClapHost::processStereo(const clap_plugin* plugin, float** in, float** out,
                                            uint32_t frames) {
    const clap_audio_buffer input = {in, nullptr, 2, 0, 0};
    clap_audio_buffer output = {out, nullptr, 2, 0, 0};
    const clap_process block = {.steady_time = -1,
                                .frames_count = frames,
                                .transport = nullptr,
                                .audio_inputs = &input,
                                .audio_outputs = &output,
                                .audio_inputs_count = 1,
                                .audio_outputs_count = 1,
                                .in_events = nullptr,
                                .out_events = nullptr};
    return plugin->process(plugin, &block);
}

clap_window ClapHost::windowOf(void* nativeHandle) {
    clap_window window{kClapWindowApiHere, {.ptr = nativeHandle}};
#ifndef _WIN32
    window.x11 = reinterpret_cast<uintptr_t>(nativeHandle);
#endif
    return window;
}
