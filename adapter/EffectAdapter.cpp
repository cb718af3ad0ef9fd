// SPDX-License-Identifier: MIT
#include "adapter/EffectAdapter.h"

#include <cmath>
#include <new>

#include "interface/EditorRect.h"
#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"

namespace {
// The effect asks its host only what the module's entry needs to hear.
intptr_t adapterCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}
}  // namespace

EffectAdapter* EffectAdapter::create() {
    EffectRecord* record = pluginMain(adapterCallback);
    if (!record) return nullptr;
    auto* effect = new (std::nothrow) EffectAdapter(record);
    if (!effect) {
        record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
        return nullptr;
    }
    effect->dispatch(opOpen);
    return effect;
}

EffectAdapter::~EffectAdapter() {
    closeEditor();
    deactivate();
    dispatch(opClose);
}

bool EffectAdapter::usableRate(double sampleRate) {
    return sampleRate > 0.0 && std::isfinite(sampleRate);
}

bool EffectAdapter::activate(double sampleRate, int32_t maxFrames) {
    if (!usableRate(sampleRate)) return false;
    deactivate();
    dispatch(opSetSampleRate, 0, 0, nullptr, float(sampleRate));
    if (maxFrames > 0) dispatch(opSetBlockSize, 0, maxFrames);
    dispatch(opSuspendResume, 0, 1);
    active = true;
    return true;
}

void EffectAdapter::deactivate() {
    if (!active) return;
    dispatch(opSuspendResume, 0, 0);
    active = false;
}

bool EffectAdapter::setEditorScale(double scale) {
    return dispatch(opVendorSpecific, kEditorQueryIndex, kEditorScaleValue, nullptr,
                    float(scale)) == 1;
}

bool EffectAdapter::editorSize(uint32_t& width, uint32_t& height) {
    EditorRect* rect = nullptr;
    if (!dispatch(opEditorGetRect, 0, 0, &rect) || !rect) return false;
    width = uint32_t(rect->right - rect->left);
    height = uint32_t(rect->bottom - rect->top);
    return true;
}

bool EffectAdapter::openEditor(void* parent) {
    if (editorIsOpen() || !parent || !dispatch(opEditorOpen, 0, 0, parent)) return false;
    void* window = nullptr;
    if (dispatch(opVendorSpecific, kEditorQueryIndex, kEditorWindowValue, &window) != 1 ||
        !window) {
        dispatch(opEditorClose);
        return false;
    }
    editorWindowHandle = window;
    return true;
}

bool EffectAdapter::showEditor(bool visible) {
    return editorIsOpen() &&
           dispatch(opVendorSpecific, kEditorQueryIndex,
                    visible ? kEditorShowValue : kEditorHideValue) == 1;
}

void EffectAdapter::idleEditor() {
    if (editorIsOpen()) dispatch(opEditorIdle);
}

void EffectAdapter::closeEditor() {
    if (!editorIsOpen()) return;
    dispatch(opEditorClose);
    editorWindowHandle = nullptr;
}

intptr_t EffectAdapter::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                 float opt) {
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
