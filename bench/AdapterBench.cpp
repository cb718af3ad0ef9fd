// SPDX-License-Identifier: MIT
#include "bench/AdapterBench.h"

#include <map>
#include <string>

#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"

namespace {
intptr_t benchHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}

void recordProcess(benchmark::State& run, int frames) {
    EffectRecord* record = pluginMain(benchHost);
    auto dispatch = [record](int32_t opcode, intptr_t value, float opt) {
        return record->dispatcher(record, opcode, 0, value, nullptr, opt);
    };
    dispatch(opOpen, 0, 0.0f);
    dispatch(opSetSampleRate, 0, float(kAdapterBenchRate));
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
}  // namespace

Block& blockOf(int frames) {
    static std::map<int, Block> blocks;
    return blocks.try_emplace(frames, frames).first->second;
}

// Each block size is a group of its own, so each ratio is to its own reference.
bool registerAdapterBench(const char* format, void (*throughAdapter)(benchmark::State&, int)) {
    for (int frames : {64, 512, 4096}) {
        std::string group = format + (" " + std::to_string(frames));
        benchmark::RegisterBenchmark((group + "/reference: replacing process").c_str(),
                                     recordProcess, frames);
        benchmark::RegisterBenchmark((group + "/through the adapter").c_str(), throughAdapter,
                                     frames);
    }
    return true;
}
