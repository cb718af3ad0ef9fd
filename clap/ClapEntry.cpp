// SPDX-License-Identifier: MIT
// The module's one export, clap_entry: the entry and its factory of the one
// plug-in. Name, vendor, address and version are the ones the LV2 data gives.

#include <cstring>

#include "clap/Clap.h"
#include "clap/ClapEffect.h"

namespace {
const char* const kFeatures[] = {"audio-effect", "stereo", nullptr};
const clap_plugin_descriptor kDescriptor = {
    kClapVersion,
    "example.orvane.skyrun",
    "Kestrigo",
    "Orvane",
    SKYRUN_URL,
    "",
    "",
    SKYRUN_VERSION,
    "An arcade game whose sounds mix into the audio passing through.",
    kFeatures};

// A host must give what the plug-in may call back at any time.
bool usableHost(const clap_host* host) {
    return host && host->clap_version.major >= 1 && host->get_extension && host->request_restart &&
           host->request_process && host->request_callback;
}

const clap_plugin* createPlugin(const clap_plugin_factory*, const clap_host* host, const char* id) {
    if (!usableHost(host) || !id || std::strcmp(id, kDescriptor.id) != 0) return nullptr;
    ClapEffect* effect = ClapEffect::create(host, &kDescriptor);
    return effect ? effect->plugin() : nullptr;
}

const clap_plugin_factory kFactory = {
    [](const clap_plugin_factory*) { return 1u; },
    [](const clap_plugin_factory*, uint32_t index) { return index == 0 ? &kDescriptor : nullptr; },
    createPlugin};

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
extern "C" SKYRUN_CLAP_EXPORT const clap_plugin_entry clap_entry = {kClapVersion, init, deinit,
                                                                    factory};
