// SPDX-License-Identifier: MIT
#pragma once
// An effect as a session drives it, whatever format it was loaded from:
// started at a rate and block size, fed audio blocks, showing its editor in
// a window of the host's. Each format of formats/ implements it.

#include <cstdint>
#include <string>

#include "host/platform/HostWindow.h"
#include "interface/EffectRecord.h"
#include "interface/GameStatus.h"

class HostedEffect {
public:
    // Closes the effect.
    virtual ~HostedEffect() = default;

    // Ready for audio at `rate` in blocks of up to `block` frames; false with
    // `error` saying why the effect refused. Not while the editor is open.
    virtual bool start(int32_t rate, int32_t block, std::string& error) = 0;
    virtual void stop() = 0;
    // Two channels in, two out, `out` replaced.
    virtual void process(float** in, float** out, int32_t frames) = 0;
    // Whether the effect also has a process that adds to `out`; false with
    // `why` when not, and then `accumulate` is never called.
    virtual bool accumulates(std::string& why) = 0;
    virtual void accumulate(float** /*in*/, float** /*out*/, int32_t /*frames*/) {}

    // Shows the editor at `zoom` (1 to 4) from its next opening, told the
    // way a host of the format tells it; false with `error` when it cannot be.
    virtual bool setZoom(int32_t zoom, std::string& error) = 0;
    // False when the effect has no editor. The size is 0 x 0 for an editor
    // that tells it only once open, by resizing the window.
    virtual bool editorSize(int32_t& width, int32_t& height) = 0;
    // Opens the editor inside `window`.
    virtual bool openEditor(HostWindow& window) = 0;
    virtual void idleEditor() = 0;
    virtual void closeEditor() = 0;

    // The game's counters, false when the effect does not tell them.
    virtual bool gameStatus(GameStatus& /*status*/) { return false; }
    // The record of an effect that speaks the module interface's opcodes,
    // null for other formats.
    virtual EffectRecord* moduleRecord() { return nullptr; }
};
