// SPDX-License-Identifier: MIT
#pragma once
// The effect behind one CLAP plug-in instance: made through the module's
// `main` and driven through its record, the way a host drives it. The
// plug-in's table hands each call to it; its GUI lives beside it.

#include <cstdint>

#include "clap/Clap.h"
#include "clap/ClapGui.h"
#include "interface/EffectRecord.h"

class ClapEffect {
public:
    // Null when the module makes no effect.
    static ClapEffect* create(const clap_host* host, const clap_plugin_descriptor* descriptor);
    ~ClapEffect();  // closes the GUI and the effect
    ClapEffect(const ClapEffect&) = delete;
    ClapEffect& operator=(const ClapEffect&) = delete;

    static ClapEffect& of(const clap_plugin* plugin) {
        return *static_cast<ClapEffect*>(plugin->plugin_data);
    }
    const clap_plugin* plugin() const { return &table; }
    const clap_host* host() const { return hostTable; }
    ClapGui& gui() { return editor; }

    // False for a rate that is not a positive finite number.
    bool activate(double sampleRate, uint32_t maxFrames);
    void deactivate();
    // The replacing process on the first stereo input and output, which may
    // share buffers; inline, as it runs per block.
    clap_process_status process(const clap_process& block) {
        if (block.audio_inputs_count < 1 || block.audio_outputs_count < 1) return kClapProcessError;
        const clap_audio_buffer &in = block.audio_inputs[0], &out = block.audio_outputs[0];
        if (in.channel_count < 2 || out.channel_count < 2 || !in.data32 || !out.data32)
            return kClapProcessError;
        record->processReplacing(record, in.data32, out.data32, int32_t(block.frames_count));
        return kClapProcessContinue;
    }

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);

private:
    ClapEffect(const clap_host* host, const clap_plugin_descriptor* descriptor,
               EffectRecord* record);

    clap_plugin table;
    const clap_host* hostTable;
    EffectRecord* record;
    bool active = false;
    ClapGui editor{*this};
};
