// SPDX-License-Identifier: MIT
// The module's one export, clap_entry: the entry and its factory of the one
// plug-in. Name, vendor, address and version are the ones the LV2 data gives.

#include <cstring>

#include "clap/Clap.h"
#include "clap/ClapPlugin.h"

namespace {
const char* const kFeatures[] = {"audio-effect", "stereo", nullptr};
const clap_plugin_descriptor kDescriptor = {
    .clap_version = kClapVersion,
    .id = "example.orvane.skyrun",
    .name = "Kestrigo",
    .vendor = "Orvane",
    .url = SKYRUN_URL,
    .manual_url = "",
    .support_url = "",
    .version = SKYRUN_VERSION,
    .description = "An arcade game whose sounds mix into the audio passing through.",
    .features = kFeatures};

// A host must give what the plug-in may call back at any time.
bool usableHost(const clap_host* host) {
    return host && host->clap_version.major >= 1 && host->get_extension && host->request_restart &&
           host->request_process && host->request_callback;
}

const clap_plugin* createPlugin(const clap_plugin_factory*, const clap_host* host, const char* id) {
    if (!usableHost(host) || !id || std::strcmp(id, kDescriptor.id) != 0) return nullptr;
    ClapPlugin* plugin = ClapPlugin::create(host, &kDescriptor);
    return plugin ? &plugin->table : nullptr;
}

const clap_plugin_factory kFactory = {
    .get_plugin_count = [](const clap_plugin_factory*) { return 1u; },
    .get_plugin_descriptor = [](const clap_plugin_factory*,
                                uint32_t index) { return index == 0 ? &kDescriptor : nullptr; },
    .create_plugin = createPlugin};

bool init(const char*) { return true; }
void deinit() {}
const void* factory(const char* id) {
    return id && std::strcmp(id, kClapPluginFactoryId) == 0 ? &kFactory : nullptr;
}
}  // namespace

// Exported by the version script on Linux and the .def file on Windows.
#ifdef _WIN32
#define SKYRUN_CLAP_EXPORT
#else
#define SKYRUN_CLAP_EXPORT __attribute__((visibility("default")))
#endif
extern "C" SKYRUN_CLAP_EXPORT const clap_plugin_entry clap_entry = {
    .clap_version = kClapVersion, .init = init, .deinit = deinit, .get_factory = factory};
