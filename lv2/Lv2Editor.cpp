// SPDX-License-Identifier: MIT
#include "lv2/Lv2Editor.h"

#include <X11/Xlib.h>
#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>

#include <cstdint>
#include <new>

#include "gui/platform/X11Display.h"
#include "interface/EditorRect.h"
#include "interface/Opcodes.h"
#include "lv2/Features.h"
#include "lv2/Lv2Effect.h"

namespace {
// The editor's window is the parent's newest child; hosts embed and resize
// that window, so it is the widget they are given.
LV2UI_Widget newestChild(void* parent) {
    ::Window child = platform::newestX11Child(::Window(reinterpret_cast<uintptr_t>(parent)));
    return child ? reinterpret_cast<LV2UI_Widget>(uintptr_t(child)) : parent;
}
}  // namespace

Lv2Editor* Lv2Editor::open(const LV2_Feature* const* features, LV2UI_Widget* widget) {
    auto* parent = const_cast<void*>(featureData(features, LV2_UI__parent));
    auto* effect = static_cast<Lv2Effect*>(
        const_cast<void*>(featureData(features, LV2_INSTANCE_ACCESS_URI)));
    if (!parent || !effect || !widget) return nullptr;
    // The host's scale sets the zoom before the window is made at its size.
    if (auto* scale = static_cast<const float*>(
            optionValue(features, LV2_UI__scaleFactor, LV2_ATOM__Float, sizeof(float))))
        effect->dispatch(opVendorSpecific, kEditorScaleIndex, kEditorScaleValue, nullptr, *scale);
    if (effect->dispatch(opEditorOpen, 0, 0, parent) == 0) return nullptr;
    auto* editor = new (std::nothrow) Lv2Editor(*effect);
    if (!editor) {
        effect->dispatch(opEditorClose);
        return nullptr;
    }
    *widget = newestChild(parent);
    EditorRect* rect = nullptr;
    auto* resize = static_cast<const LV2UI_Resize*>(featureData(features, LV2_UI__resize));
    if (resize && effect->dispatch(opEditorGetRect, 0, 0, &rect) && rect)
        resize->ui_resize(resize->handle, rect->right - rect->left, rect->bottom - rect->top);
    return editor;
}

Lv2Editor::~Lv2Editor() { effect.dispatch(opEditorClose); }

void Lv2Editor::idle() { effect.dispatch(opEditorIdle); }
