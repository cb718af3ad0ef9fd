// SPDX-License-Identifier: MIT
#include "adapter/EffectAdapter.h"

#include <cmath>

#include "gui/EditorBase.h"
#include "gui/ViewFrame.h"
#include "interface/EditorRect.h"
#include "interface/Opcodes.h"
#include "plugin/PluginEffect.h"
#include "plugin/PluginMain.h"

namespace {
intptr_t hostCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}
}  // namespace

EffectAdapter* EffectAdapter::create() {
    EffectRecord* effect = pluginMain(hostCallback);
    if (!effect) return nullptr;
    effect->dispatcher(effect, opOpen, 0, 0, nullptr, 0.0f);
    return new EffectAdapter(effect);
}

bool EffectAdapter::usableRate(double rate) { return std::isfinite(rate) && rate >= 8000.0 && rate <= 384000.0; }

EffectAdapter::~EffectAdapter() {
    closeEditor();
    deactivate();
    call(opClose);
}

intptr_t EffectAdapter::call(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

bool EffectAdapter::activate(double rate, int32_t maxFrames) {
    if (!usableRate(rate) || maxFrames <= 0) return false;
    call(opSetSampleRate, 0, 0, nullptr, float(rate));
    call(opSetBlockSize, 0, maxFrames);
    call(opSuspendResume, 0, 1);
    active = true;
    return true;
}

void EffectAdapter::deactivate() {
    if (active) call(opSuspendResume, 0, 0);
    active = false;
}

void EffectAdapter::process(float** in, float** out, int32_t frames) {
    effect->processReplacing(effect, in, out, frames);
}

bool EffectAdapter::openEditor(void* parent) {
    editorOpen = call(opEditorOpen, 0, 0, parent) != 0;
    return editorOpen;
}

void* EffectAdapter::editorWindow() {
    auto* plugin = static_cast<PluginEffect*>(effect->object);
    EditorBase* editor = plugin->getEditor();
    return editor && editor->getFrame() ? editor->getFrame()->window() : nullptr;
}

bool EffectAdapter::setEditorScale(double scale) {
    return call(opVendorSpecific, kEditorScaleIndex, kEditorScaleValue, nullptr, float(scale)) != 0;
}

bool EffectAdapter::editorSize(uint32_t& width, uint32_t& height) {
    EditorRect* rect = nullptr;
    if (!call(opEditorGetRect, 0, 0, &rect) || !rect) return false;
    width = uint32_t(rect->right - rect->left);
    height = uint32_t(rect->bottom - rect->top);
    return true;
}

void EffectAdapter::idleEditor() {
    if (editorOpen) call(opEditorIdle);
}

bool EffectAdapter::showEditor(bool) { return editorOpen; }

void EffectAdapter::closeEditor() {
    if (editorOpen) call(opEditorClose);
    editorOpen = false;
}
