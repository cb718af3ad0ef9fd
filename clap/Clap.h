// SPDX-License-Identifier: MIT
#pragma once
// The part of the CLAP interface (version 1.x) the adapter uses: the entry,
// the plug-in factory, the plug-in and its host, the process call, and the
// audio-ports, gui and timer-support extensions. Field order and types are
// the interface's; the asserts below pin sizes and offsets for 32- and 64-bit
// builds. Its functions use the platform's C convention (cdecl on Windows).

#include <cstddef>
#include <cstdint>

extern "C" {

struct clap_version {
    uint32_t major, minor, revision;
};
constexpr clap_version kClapVersion = {1, 2, 0};

using clap_id = uint32_t;
constexpr clap_id kClapInvalidId = UINT32_MAX;

struct clap_host {
    clap_version clap_version;
    void* host_data;
    const char* name;
    const char* vendor;
    const char* url;
    const char* version;
    const void* (*get_extension)(const clap_host* host, const char* extension_id);
    void (*request_restart)(const clap_host* host);
    void (*request_process)(const clap_host* host);
    void (*request_callback)(const clap_host* host);
};

struct clap_audio_buffer {
    float** data32;
    double** data64;
    uint32_t channel_count;
    uint32_t latency;
    uint64_t constant_mask;
};

// Events and transport are passed through untouched, so they stay opaque.
struct clap_event_transport;
struct clap_input_events;
struct clap_output_events;

struct clap_process {
    int64_t steady_time;
    uint32_t frames_count;
    const clap_event_transport* transport;
    const clap_audio_buffer* audio_inputs;
    clap_audio_buffer* audio_outputs;
    uint32_t audio_inputs_count;
    uint32_t audio_outputs_count;
    const clap_input_events* in_events;
    const clap_output_events* out_events;
};

using clap_process_status = int32_t;
constexpr clap_process_status kClapProcessError = 0;
constexpr clap_process_status kClapProcessContinue = 1;

struct clap_plugin_descriptor {
    clap_version clap_version;
    const char* id;
    const char* name;
    const char* vendor;
    const char* url;
    const char* manual_url;
    const char* support_url;
    const char* version;
    const char* description;
    const char* const* features;
};

struct clap_plugin {
    const clap_plugin_descriptor* desc;
    void* plugin_data;
    bool (*init)(const clap_plugin* plugin);
    void (*destroy)(const clap_plugin* plugin);
    bool (*activate)(const clap_plugin* plugin, double sample_rate, uint32_t min_frames_count,
                     uint32_t max_frames_count);
    void (*deactivate)(const clap_plugin* plugin);
    bool (*start_processing)(const clap_plugin* plugin);
    void (*stop_processing)(const clap_plugin* plugin);
    void (*reset)(const clap_plugin* plugin);
    clap_process_status (*process)(const clap_plugin* plugin, const clap_process* process);
    const void* (*get_extension)(const clap_plugin* plugin, const char* id);
    void (*on_main_thread)(const clap_plugin* plugin);
};

constexpr char kClapPluginFactoryId[] = "clap.plugin-factory";
struct clap_plugin_factory {
    uint32_t (*get_plugin_count)(const clap_plugin_factory* factory);
    const clap_plugin_descriptor* (*get_plugin_descriptor)(const clap_plugin_factory* factory,
                                                           uint32_t index);
    const clap_plugin* (*create_plugin)(const clap_plugin_factory* factory, const clap_host* host,
                                        const char* plugin_id);
};

struct clap_plugin_entry {
    clap_version clap_version;
    bool (*init)(const char* plugin_path);
    void (*deinit)();
    const void* (*get_factory)(const char* factory_id);
};

constexpr char kClapExtAudioPorts[] = "clap.audio-ports";
constexpr char kClapPortStereo[] = "stereo";
constexpr uint32_t kClapAudioPortIsMain = 1;
constexpr size_t kClapNameSize = 256;
struct clap_audio_port_info {
    clap_id id;
    char name[kClapNameSize];
    uint32_t flags;
    uint32_t channel_count;
    const char* port_type;
    clap_id in_place_pair;
};
struct clap_plugin_audio_ports {
    uint32_t (*count)(const clap_plugin* plugin, bool is_input);
    bool (*get)(const clap_plugin* plugin, uint32_t index, bool is_input,
                clap_audio_port_info* info);
};

constexpr char kClapExtGui[] = "clap.gui";
constexpr char kClapWindowApiWin32[] = "win32";
constexpr char kClapWindowApiX11[] = "x11";
// The API of embedded GUIs on the platform built for.
#ifdef _WIN32
constexpr const char* kClapWindowApiHere = kClapWindowApiWin32;
#else
constexpr const char* kClapWindowApiHere = kClapWindowApiX11;
#endif
struct clap_window {
    const char* api;
    union {
        void* cocoa;
        void* uikit;
        unsigned long x11;
        void* win32;
        void* ptr;
    };
};
struct clap_gui_resize_hints {
    bool can_resize_horizontally;
    bool can_resize_vertically;
    bool preserve_aspect_ratio;
    uint32_t aspect_ratio_width;
    uint32_t aspect_ratio_height;
};
struct clap_plugin_gui {
    bool (*is_api_supported)(const clap_plugin* plugin, const char* api, bool is_floating);
    bool (*get_preferred_api)(const clap_plugin* plugin, const char** api, bool* is_floating);
    bool (*create)(const clap_plugin* plugin, const char* api, bool is_floating);
    void (*destroy)(const clap_plugin* plugin);
    bool (*set_scale)(const clap_plugin* plugin, double scale);
    bool (*get_size)(const clap_plugin* plugin, uint32_t* width, uint32_t* height);
    bool (*can_resize)(const clap_plugin* plugin);
    bool (*get_resize_hints)(const clap_plugin* plugin, clap_gui_resize_hints* hints);
    bool (*adjust_size)(const clap_plugin* plugin, uint32_t* width, uint32_t* height);
    bool (*set_size)(const clap_plugin* plugin, uint32_t width, uint32_t height);
    bool (*set_parent)(const clap_plugin* plugin, const clap_window* window);
    bool (*set_transient)(const clap_plugin* plugin, const clap_window* window);
    void (*suggest_title)(const clap_plugin* plugin, const char* title);
    bool (*show)(const clap_plugin* plugin);
    bool (*hide)(const clap_plugin* plugin);
};

constexpr char kClapExtTimerSupport[] = "clap.timer-support";
struct clap_plugin_timer_support {
    void (*on_timer)(const clap_plugin* plugin, clap_id timer_id);
};
struct clap_host_timer_support {
    bool (*register_timer)(const clap_host* host, uint32_t period_ms, clap_id* timer_id);
    bool (*unregister_timer)(const clap_host* host, clap_id timer_id);
};

}  // extern "C"

// Sizes and offsets as the interface's own headers lay them out.
#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(clap_version) == 12);
static_assert(offsetof(clap_host, get_extension) == 32 && sizeof(clap_host) == 48);
static_assert(offsetof(clap_audio_buffer, channel_count) == 8);
static_assert(offsetof(clap_audio_buffer, constant_mask) == 16 && sizeof(clap_audio_buffer) == 24);
static_assert(offsetof(clap_process, frames_count) == 8);
static_assert(offsetof(clap_process, audio_inputs) == 16);
static_assert(offsetof(clap_process, audio_outputs) == 20);
static_assert(offsetof(clap_process, audio_inputs_count) == 24);
static_assert(offsetof(clap_process, in_events) == 32 && sizeof(clap_process) == 40);
static_assert(offsetof(clap_plugin_descriptor, features) == 44);
static_assert(sizeof(clap_plugin_descriptor) == 48);
static_assert(offsetof(clap_plugin, process) == 36 && sizeof(clap_plugin) == 48);
static_assert(sizeof(clap_plugin_factory) == 12);
static_assert(offsetof(clap_plugin_entry, init) == 12 && sizeof(clap_plugin_entry) == 24);
static_assert(offsetof(clap_audio_port_info, flags) == 260);
static_assert(offsetof(clap_audio_port_info, port_type) == 268);
static_assert(sizeof(clap_audio_port_info) == 276);
static_assert(sizeof(clap_plugin_audio_ports) == 8);
static_assert(offsetof(clap_window, x11) == 4 && sizeof(clap_window) == 8);
static_assert(sizeof(clap_gui_resize_hints) == 12);
static_assert(offsetof(clap_plugin_gui, set_parent) == 40 && sizeof(clap_plugin_gui) == 60);
static_assert(sizeof(clap_host_timer_support) == 8);
#else
static_assert(sizeof(clap_version) == 12);
static_assert(offsetof(clap_host, get_extension) == 56 && sizeof(clap_host) == 88);
static_assert(offsetof(clap_audio_buffer, channel_count) == 16);
static_assert(offsetof(clap_audio_buffer, constant_mask) == 24 && sizeof(clap_audio_buffer) == 32);
static_assert(offsetof(clap_process, frames_count) == 8);
static_assert(offsetof(clap_process, audio_inputs) == 24);
static_assert(offsetof(clap_process, audio_outputs) == 32);
static_assert(offsetof(clap_process, audio_inputs_count) == 40);
static_assert(offsetof(clap_process, in_events) == 48 && sizeof(clap_process) == 64);
static_assert(offsetof(clap_plugin_descriptor, features) == 80);
static_assert(sizeof(clap_plugin_descriptor) == 88);
static_assert(offsetof(clap_plugin, process) == 72 && sizeof(clap_plugin) == 96);
static_assert(sizeof(clap_plugin_factory) == 24);
static_assert(offsetof(clap_plugin_entry, init) == 16 && sizeof(clap_plugin_entry) == 40);
static_assert(offsetof(clap_audio_port_info, flags) == 260);
static_assert(offsetof(clap_audio_port_info, port_type) == 272);
static_assert(sizeof(clap_audio_port_info) == 288);
static_assert(sizeof(clap_plugin_audio_ports) == 16);
static_assert(offsetof(clap_window, x11) == 8 && sizeof(clap_window) == 16);
static_assert(sizeof(clap_gui_resize_hints) == 12);
static_assert(offsetof(clap_plugin_gui, set_parent) == 80 && sizeof(clap_plugin_gui) == 120);
static_assert(sizeof(clap_host_timer_support) == 16);
#endif
