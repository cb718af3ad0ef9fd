// SPDX-License-Identifier: MIT
// Processing through the CLAP adapter beside the record's replacing process.

#include "bench/AdapterBench.h"
#include "clap/Clap.h"

extern "C" const clap_plugin_entry clap_entry;

namespace {
void ignoreRequest(const clap_host*) {}
const clap_host kHost = {kClapVersion,
                         nullptr,
                         "bench",
                         "",
                         "",
                         "1",
                         [](const clap_host*, const char*) -> const void* { return nullptr; },
                         ignoreRequest,
                         ignoreRequest,
                         ignoreRequest};

void adapterRun(benchmark::State& run, int frames) {
    auto* factory =
        static_cast<const clap_plugin_factory*>(clap_entry.get_factory(kClapPluginFactoryId));
    const clap_plugin* plugin =
        factory->create_plugin(factory, &kHost, factory->get_plugin_descriptor(factory, 0)->id);
    plugin->init(plugin);
    plugin->activate(plugin, kAdapterBenchRate, 1, uint32_t(frames));
    plugin->start_processing(plugin);
    Block& block = blockOf(frames);
    float* in[] = {block.in0.data(), block.in1.data()};
    float* out[] = {block.out0.data(), block.out1.data()};
    const clap_audio_buffer input = {in, nullptr, 2, 0, 0};
    clap_audio_buffer output = {out, nullptr, 2, 0, 0};
    const clap_process process = {-1, uint32_t(frames), nullptr, &input, &output, 1,
                                  1,  nullptr,          nullptr};
    for (auto _ : run) {
        plugin->process(plugin, &process);
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
