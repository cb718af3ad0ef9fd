// SPDX-License-Identifier: MIT
#include "tests/lv2/Lv2Binary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

const Lv2Binary& bundleBinary() {
    static const Lv2Binary binary = [] {
        Lv2Binary loaded;
        // Kept loaded to the end, as hosts keep a plug-in's binary.
        void* module = dlopen(SKYRUN_LV2_BINARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!module) return loaded;
        auto pluginEntry =
            reinterpret_cast<LV2_Descriptor_Function>(dlsym(module, "lv2_descriptor"));
        auto uiEntry =
            reinterpret_cast<LV2UI_DescriptorFunction>(dlsym(module, "lv2ui_descriptor"));
        if (pluginEntry) loaded.plugin = pluginEntry(0);
        if (uiEntry) loaded.ui = uiEntry(0);
        return loaded;
    }();
    EXPECT_NE(binary.plugin, nullptr) << SKYRUN_LV2_BINARY_PATH << ": " << dlerror();
    EXPECT_NE(binary.ui, nullptr);
    return binary;
}

Lv2Instance::Lv2Instance(double rate, const LV2_Feature* const* features) {
    static const LV2_Feature* const none[] = {nullptr};
    const LV2_Descriptor* plugin = bundleBinary().plugin;
    instance = plugin ? plugin->instantiate(plugin, rate, SKYRUN_LV2_BUNDLE_PATH "/",
                                            features ? features : none)
                      : nullptr;
    if (instance) plugin->activate(instance);
}

Lv2Instance::~Lv2Instance() {
    if (!instance) return;
    bundleBinary().plugin->deactivate(instance);
    bundleBinary().plugin->cleanup(instance);
}

void Lv2Instance::run(float* in1, float* in2, float* out1, float* out2, uint32_t frames) {
    const LV2_Descriptor* plugin = bundleBinary().plugin;
    float* ports[] = {in1, in2, out1, out2};
    for (uint32_t port = 0; port < 4; ++port) plugin->connect_port(instance, port, ports[port]);
    plugin->run(instance, frames);
}

std::vector<float> testSignal(std::size_t frames, int channel) {
    std::vector<float> samples(frames);
    for (size_t i = 0; i < frames; ++i)
        samples[i] = (channel == 0 ? 0.25f : -0.5f) + float(i) / float(4 * frames + 1);
    return samples;
}
