// SPDX-License-Identifier: MIT
// The bundle binary's two entries: the plug-in (DSP) and its UI, each a
// table of plain functions over Lv2Effect and Lv2Editor. The URIs come from
// the build, which writes the same ones into the bundle's data.

#include <lv2/core/lv2.h>
#include <lv2/ui/ui.h>

#include <cstring>

#include "lv2/Lv2Editor.h"
#include "lv2/Lv2Effect.h"

namespace {
Lv2Effect& effectOf(LV2_Handle instance) { return *static_cast<Lv2Effect*>(instance); }

LV2_Handle instantiate(const LV2_Descriptor*, double sampleRate, const char*,
                       const LV2_Feature* const* features) {
    return Lv2Effect::create(sampleRate, features);
}

void connectPort(LV2_Handle instance, uint32_t port, void* data) {
    effectOf(instance).connect(port, static_cast<float*>(data));
}

void activate(LV2_Handle instance) { effectOf(instance).setActive(true); }
void run(LV2_Handle instance, uint32_t frames) { effectOf(instance).run(frames); }
void deactivate(LV2_Handle instance) { effectOf(instance).setActive(false); }
void cleanup(LV2_Handle instance) { delete &effectOf(instance); }
const void* noExtensionData(const char*) { return nullptr; }

const LV2_Descriptor kPlugin = {SKYRUN_LV2_URI, instantiate, connectPort, activate, run,
                                deactivate,     cleanup,     noExtensionData};

Lv2Editor& editorOf(LV2UI_Handle ui) { return *static_cast<Lv2Editor*>(ui); }

LV2UI_Handle instantiateUi(const LV2UI_Descriptor*, const char* pluginUri, const char*,
                           LV2UI_Write_Function, LV2UI_Controller, LV2UI_Widget* widget,
                           const LV2_Feature* const* features) {
    if (!pluginUri || std::strcmp(pluginUri, SKYRUN_LV2_URI) != 0) return nullptr;
    return Lv2Editor::open(features, widget);
}

void cleanupUi(LV2UI_Handle ui) { delete &editorOf(ui); }

int idleUi(LV2UI_Handle ui) {
    editorOf(ui).idle();
    return 0;
}

const LV2UI_Idle_Interface kIdle = {idleUi};

const void* uiExtensionData(const char* uri) {
    return std::strcmp(uri, LV2_UI__idleInterface) == 0 ? &kIdle : nullptr;
}

// The UI has no control ports to hear about, so it takes no port events.
const LV2UI_Descriptor kUi = {SKYRUN_LV2_URI "#ui", instantiateUi, cleanupUi, nullptr,
                              uiExtensionData};
}  // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    return index == 0 ? &kPlugin : nullptr;
}

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index) {
    return index == 0 ? &kUi : nullptr;
}
