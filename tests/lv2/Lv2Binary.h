// SPDX-License-Identifier: MIT
#pragma once
// The built bundle's binary, loaded the way an LV2 host loads it, and an
// instance of its plug-in driven through the descriptor alone.

#include <lv2/core/lv2.h>
#include <lv2/ui/ui.h>

#include <cstddef>
#include <vector>

struct Lv2Binary {
    const LV2_Descriptor* plugin = nullptr;
    const LV2UI_Descriptor* ui = nullptr;
};

// Loaded once per test program; fails the calling test when it cannot be.
const Lv2Binary& bundleBinary();

class Lv2Instance {
public:
    explicit Lv2Instance(double rate = 44100.0, const LV2_Feature* const* features = nullptr);
    ~Lv2Instance();
    Lv2Instance(const Lv2Instance&) = delete;
    Lv2Instance& operator=(const Lv2Instance&) = delete;

    LV2_Handle handle() const { return instance; }
    // Runs one block with the ports connected to these buffers in port order:
    // input 1, input 2, output 1, output 2.
    void run(float* in1, float* in2, float* out1, float* out2, uint32_t frames);

private:
    LV2_Handle instance;
};

// A stereo test signal of distinct, non-zero samples (no -0.0, which an
// addition of 0.0 would turn into +0.0).
std::vector<float> testSignal(std::size_t frames, int channel);
