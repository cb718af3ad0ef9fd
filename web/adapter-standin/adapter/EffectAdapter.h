// SPDX-License-Identifier: MIT
#pragma once
// Stands in for the adapter core until it is merged: the same class and
// calls, over the record, so the browser's glue builds against them now.

#include <cstdint>

#include "interface/EffectRecord.h"

class EffectAdapter {
public:
    static EffectAdapter* create();
    static bool usableRate(double sampleRate);
    ~EffectAdapter();

    bool activate(double sampleRate, int32_t maxFrames);
    void deactivate();
    void process(float** in, float** out, int32_t frames);
    EffectRecord* record() { return effect; }

    bool openEditor(void* parent);
    void* editorWindow();
    bool setEditorScale(double scale);
    bool editorSize(uint32_t& width, uint32_t& height);
    void idleEditor();
    bool showEditor(bool shown);
    void closeEditor();

private:
    explicit EffectAdapter(EffectRecord* effect) : effect(effect) {}
    intptr_t call(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                  float opt = 0.0f);
    EffectRecord* effect;
    bool editorOpen = false;
    bool active = false;
};
