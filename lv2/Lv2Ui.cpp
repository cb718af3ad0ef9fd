// SPDX-License-Identifier: MIT
// The bundle binary's UI entry: the effect's own editor, opened in the
// host's X11 window. It needs the DSP instance itself (instance-access),
// since the game writes the effect's sound values directly, and the host's
// parent window; the widget it hands back is the window the editor names.

#include <lv2/atom/atom.h>
#include <lv2/core/lv2.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/ui/ui.h>

#include <cstring>

#include "lv2/Features.h"
#include "lv2/Lv2Instance.h"

namespace {
EffectAdapter& effectOf(LV2UI_Handle ui) { return *static_cast<EffectAdapter*>(ui); }

// Null when the host lacks a required feature or the editor cannot open.
// Shows at the host's ui:scaleFactor where it gives one, and tells a host
// that can hear it the editor's fixed size at that zoom.
LV2UI_Handle instantiateUi(const LV2UI_Descriptor*, const char* pluginUri, const char*,
                           LV2UI_Write_Function, LV2UI_Controller, LV2UI_Widget* widget,
                           const LV2_Feature* const* features) {
    if (!pluginUri || std::strcmp(pluginUri, SKYRUN_LV2_URI) != 0 || !widget) return nullptr;
    auto* parent = const_cast<void*>(featureData(features, LV2_UI__parent));
    auto* instance = static_cast<Lv2Instance*>(
        const_cast<void*>(featureData(features, LV2_INSTANCE_ACCESS_URI)));
    if (!parent || !instance) return nullptr;
    EffectAdapter& effect = instance->effect;
    // The host's scale sets the zoom before the window is made at its size.
    if (auto* scale = static_cast<const float*>(
            optionValue(features, LV2_UI__scaleFactor, LV2_ATOM__Float, sizeof(float))))
        effect.setEditorScale(*scale);
    if (!effect.openEditor(parent)) return nullptr;
    *widget = effect.editorWindow();
    uint32_t width = 0, height = 0;
    auto* resize = static_cast<const LV2UI_Resize*>(featureData(features, LV2_UI__resize));
    if (resize && effect.editorSize(width, height))
        resize->ui_resize(resize->handle, int(width), int(height));
    return &effect;
}

void cleanupUi(LV2UI_Handle ui) { effectOf(ui).closeEditor(); }

int idleUi(LV2UI_Handle ui) {
    effectOf(ui).idleEditor();
    return 0;
}

const LV2UI_Idle_Interface kIdle = {.idle = idleUi};

const void* uiExtensionData(const char* uri) {
    return std::strcmp(uri, LV2_UI__idleInterface) == 0 ? &kIdle : nullptr;
}

// The UI has no control ports to hear about, so it takes no port events.
const LV2UI_Descriptor kUi = {
    .URI = SKYRUN_LV2_URI "#ui",
    .instantiate = instantiateUi,
    .cleanup = cleanupUi,
    .port_event = nullptr,
    .extension_data = uiExtensionData,
};
}  // namespace

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index) {
    return index == 0 ? &kUi : nullptr;
}
