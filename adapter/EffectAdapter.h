// SPDX-License-Identifier: MIT
#pragma once
// The effect's record as every plug-in format drives it: made through the
// module's `main` and spoken to in the module's own order, so that each
// format's glue only maps its calls onto these. Two faces: the effect
// (activate, process, deactivate) and its editor (open in a parent, size at a
// zoom, idle, show and hide, close).

#include <cstdint>

#include "interface/EffectRecord.h"

class EffectAdapter {
public:
    // Null when the module makes no effect.
    static EffectAdapter* create();
    ~EffectAdapter();  // closes the editor and the effect, suspending it first
    EffectAdapter(const EffectAdapter&) = delete;
    EffectAdapter& operator=(const EffectAdapter&) = delete;

    // A positive finite number of frames a second.
    static bool usableRate(double sampleRate);
    // The rate, the largest block when known (maxFrames > 0), then resume;
    // false, and nothing sent, for a rate that is not usable.
    bool activate(double sampleRate, int32_t maxFrames);
    void deactivate();  // suspends an active effect
    bool isActive() const { return active; }
    // The replacing process; inputs and outputs may share buffers. Inline,
    // as it runs per block.
    void process(float** inputs, float** outputs, int32_t frames) {
        record->processReplacing(record, inputs, outputs, frames);
    }

    // The host's display scale, which the editor's zoom and size follow;
    // false when the effect has no editor to take it.
    bool setEditorScale(double scale);
    // The editor's size on the screen, at its zoom.
    bool editorSize(uint32_t& width, uint32_t& height);
    // Opens the editor in `parent` (a native window handle); false when it
    // cannot or is open already.
    bool openEditor(void* parent);
    bool editorIsOpen() const { return editorWindowHandle != nullptr; }
    // The editor's own window, as it names it, while open: the one a host
    // embeds, shows and hides.
    void* editorWindow() const { return editorWindowHandle; }
    bool showEditor(bool visible);
    void idleEditor();
    void closeEditor();

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);

private:
    explicit EffectAdapter(EffectRecord* record) : record(record) {}

    EffectRecord* record;
    bool active = false;
    void* editorWindowHandle = nullptr;
};
