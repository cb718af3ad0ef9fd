// SPDX-License-Identifier: MIT
// Processing through the LV2 adapter beside the record's own replacing
// process, per stereo frame, on the same block sizes; the game is idle, so
// the effect's own work is least and the adapter's share is largest.
// The goal is at most 1.1 times the reference.

#include <benchmark/benchmark.h>
#include <lv2/core/lv2.h>

#include <map>
#include <string>
#include <vector>

#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"

extern "C" const LV2_Descriptor* lv2_descriptor(uint32_t index);

namespace {
constexpr double kRate = 44100.0;

intptr_t benchHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}

struct Block {
    explicit Block(int frames) : in0(frames, 0.1f), in1(frames, -0.1f), out0(frames), out1(frames) {}
    std::vector<float> in0, in1, out0, out1;
};

// Both ways of a block size use the same buffers: where buffers lie decides
// how their loads and stores collide in the caches, which is not what is
// measured here.
Block& blockOf(int frames) {
    static std::map<int, Block> blocks;
    return blocks.try_emplace(frames, frames).first->second;
}

void recordProcess(benchmark::State& run, int frames) {
    EffectRecord* record = pluginMain(benchHost);
    auto dispatch = [record](int32_t opcode, intptr_t value, float opt) {
        return record->dispatcher(record, opcode, 0, value, nullptr, opt);
    };
    dispatch(opOpen, 0, 0.0f);
    dispatch(opSetSampleRate, 0, float(kRate));
    dispatch(opSetBlockSize, frames, 0.0f);
    dispatch(opSuspendResume, 1, 0.0f);
    Block& block = blockOf(frames);
    float* in[2] = {block.in0.data(), block.in1.data()};
    float* out[2] = {block.out0.data(), block.out1.data()};
    for (auto _ : run) {
        record->processReplacing(record, in, out, frames);
        benchmark::DoNotOptimize(block.out0.data());
        benchmark::ClobberMemory();
    }
    dispatch(opSuspendResume, 0, 0.0f);
    dispatch(opClose, 0, 0.0f);
    run.counters["items"] = double(frames);
}

void adapterRun(benchmark::State& run, int frames) {
    const LV2_Descriptor* plugin = lv2_descriptor(0);
    const LV2_Feature* const none[] = {nullptr};
    LV2_Handle instance = plugin->instantiate(plugin, kRate, "", none);
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

// Each block size is a group of its own, so each ratio is to its own reference.
const bool registered = [] {
    for (int frames : {64, 512, 4096}) {
        std::string group = "lv2 " + std::to_string(frames);
        benchmark::RegisterBenchmark((group + "/reference: replacing process").c_str(),
                                     recordProcess, frames);
        benchmark::RegisterBenchmark((group + "/through the adapter").c_str(), adapterRun, frames);
    }
    return true;
}();
}  // namespace
