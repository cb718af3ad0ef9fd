// SPDX-License-Identifier: MIT
#pragma once
// Processing through a format adapter beside the record's own replacing
// process, per stereo frame, on the same block sizes (64, 512 and 4,096);
// the game is idle, so the effect's own work is least and the adapter's
// share is largest. The goal is at most 1.1 times the reference.

#include <benchmark/benchmark.h>

#include <vector>

constexpr double kAdapterBenchRate = 44100.0;

struct Block {
    explicit Block(int frames)
        : in0(frames, 0.1f), in1(frames, -0.1f), out0(frames), out1(frames) {}
    std::vector<float> in0, in1, out0, out1;
};

// The buffers of a block size, the same for both ways of running it: where
// buffers lie decides how their loads and stores collide in the caches,
// which is not what is measured here.
Block& blockOf(int frames);

// Registers, per block size, a group named `format` and the size with the
// reference and `throughAdapter`, which runs `frames` frames of blockOf a loop.
bool registerAdapterBench(const char* format,
                          void (*throughAdapter)(benchmark::State&, int frames));
