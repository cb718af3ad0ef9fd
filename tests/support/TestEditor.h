// SPDX-License-Identifier: MIT
#pragma once
// An editor that counts what reaches it, for tests of the effect's editor opcodes.

#include "gui/EditorBase.h"
#include "plugin/PluginEffect.h"

class TestEditor : public EditorBase {
public:
    explicit TestEditor(PluginEffect* effect, bool* destroyed = nullptr)
        : EditorBase(effect ? effect->editorOwner() : nullptr), destroyed(destroyed) {
        setEditorSize(302, 214);
    }
    ~TestEditor() override {
        if (destroyed) *destroyed = true;
    }
    int32_t open(void* parent) override {
        EditorBase::open(parent);
        ++opens;
        openedWith = parent;
        return 1;
    }
    void close() override { ++closes; }
    void idle() override {
        EditorBase::idle();
        ++idles;
    }
    void onUpdate() override { ++updates; }
    void parameterChanged(int32_t index, float value) override {
        EditorBase::parameterChanged(index, value);
        ++parameterChanges;
        lastIndex = index;
        lastValue = value;
    }

    bool* destroyed;
    int opens = 0, closes = 0, idles = 0, updates = 0, parameterChanges = 0;
    void* openedWith = nullptr;
    int32_t lastIndex = -1;
    float lastValue = 0.0f;
};
