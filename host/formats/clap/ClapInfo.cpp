// SPDX-License-Identifier: MIT
// `info` for a CLAP plug-in: its descriptor, audio ports and GUI as a CLAP
// host reads them, one `name: value` a line.

#include <cstdio>

#include "host/formats/clap/ClapFormat.h"
#include "host/formats/clap/ClapHostedPlugin.h"

namespace {
const char* orNone(const char* text) { return text && *text ? text : "none"; }

void printPorts(const ClapHostedPlugin& effect, bool input) {
    const char* kind = input ? "input" : "output";
    auto* ports = effect.extension<clap_plugin_audio_ports>(kClapExtAudioPorts);
    const uint32_t count = ports ? ports->count(effect.instance(), input) : 0;
    std::printf("%s ports: %u\n", kind, unsigned(count));
    for (uint32_t index = 0; index < count; ++index) {
        clap_audio_port_info info{};
        if (!ports->get(effect.instance(), index, input, &info)) continue;
        std::printf("%s port %u: %s, %u channels, %s%s, in place with %u\n", kind, unsigned(index),
                    info.name, unsigned(info.channel_count), orNone(info.port_type),
                    info.flags & kClapAudioPortIsMain ? ", main" : "",
                    unsigned(info.in_place_pair));
    }
}
}  // namespace

bool printClapInfo(const std::string& path, std::string& error) {
    auto effect = ClapHostedPlugin::load(path, error);
    if (!effect) return false;
    const clap_plugin_descriptor& descriptor = *effect->instance()->desc;
    std::printf("id: %s\n", descriptor.id);
    std::printf("name: %s\n", descriptor.name);
    std::printf("vendor: %s\n", orNone(descriptor.vendor));
    std::printf("url: %s\n", orNone(descriptor.url));
    std::printf("version: %s\n", orNone(descriptor.version));
    std::printf("description: %s\n", orNone(descriptor.description));
    std::printf("features:");
    for (const char* const* feature = descriptor.features; feature && *feature; ++feature)
        std::printf(" %s", *feature);
    std::printf("\n");
    printPorts(*effect, true);
    printPorts(*effect, false);
    int32_t width = 0, height = 0;
    if (effect->editorSize(width, height))
        std::printf("gui: embedded, %d x %d\n", int(width), int(height));
    else
        std::printf("gui: none\n");
    return true;
}
