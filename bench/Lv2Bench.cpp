// SPDX-License-Identifier: MIT
// Processing through the LV2 adapter beside the record's replacing process.

#include <lv2/core/lv2.h>

#include "bench/AdapterBench.h"

extern "C" const LV2_Descriptor* lv2_descriptor(uint32_t index);

namespace {
void adapterRun(benchmark::State& run, int frames) {
    const LV2_Descriptor* plugin = lv2_descriptor(0);
    const LV2_Feature* const none[] = {nullptr};
    LV2_Handle instance = plugin->instantiate(plugin, kAdapterBenchRate, "", none);
    Block& block = blockOf(frames);
    float* ports[] = {block.in0.data(), block.in1.data(), block.out0.data(), block.out1.data()};
    for (uint32_t port = 0; port < 4; ++port) plugin->connect_port(instance, port, ports[port]);
    plugin->activate(instance);
    for (auto _ : run) {
        plugin->run(instance, uint32_t(frames));
        benchmark::DoNotOptimize(block.out0.data());
        benchmark::ClobberMemory();
    }
    plugin->deactivate(instance);
    plugin->cleanup(instance);
    run.counters["items"] = double(frames);
}

const bool registered = registerAdapterBench("lv2", adapterRun);
}  // namespace
