// SPDX-License-Identifier: MIT
// Processing through the CLAP adapter beside the record's replacing process.

#include "bench/AdapterBench.h"
#include "clap/Clap.h"
#include "host/formats/clap/ClapHost.h"

extern "C" const clap_plugin_entry clap_entry;

namespace {
void adapterRun(benchmark::State& run, int frames) {
    const ClapHost host("bench", false);
    auto* factory =
        static_cast<const clap_plugin_factory*>(clap_entry.get_factory(kClapPluginFactoryId));
    const clap_plugin* plugin =
        factory->create_plugin(factory, host.table(), factory->get_plugin_descriptor(factory, 0)->id);
    plugin->init(plugin);
    plugin->activate(plugin, kAdapterBenchRate, 1, uint32_t(frames));
    plugin->start_processing(plugin);
    Block& block = blockOf(frames);
    float* in[] = {block.in0.data(), block.in1.data()};
    float* out[] = {block.out0.data(), block.out1.data()};
    for (auto _ : run) {
        ClapHost::processStereo(plugin, in, out, uint32_t(frames));
        benchmark::DoNotOptimize(block.out0.data());
        benchmark::ClobberMemory();
    }
    plugin->stop_processing(plugin);
    plugin->deactivate(plugin);
    plugin->destroy(plugin);
    run.counters["items"] = double(frames);
}

const bool registered = registerAdapterBench("clap", adapterRun);
}  // namespace
