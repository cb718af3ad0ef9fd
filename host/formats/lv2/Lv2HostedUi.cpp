// SPDX-License-Identifier: MIT
#include "host/formats/lv2/Lv2HostedUi.h"

#include <dlfcn.h>
#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/urid/urid.h>

namespace {
// The UI has no control ports, so it writes nothing to hear.
void ignoreWrite(LV2UI_Controller, uint32_t, uint32_t, uint32_t, const void*) {}
}  // namespace

// The parent and the instance are given when the UI opens. ui:noUserResize
// and ui:fixedSize hold by themselves, as the host's window keeps the size
// the UI asks for.
Lv2HostedUi::Lv2HostedUi(UridMap& map)
    : urids(map),
      features({{LV2_UI__parent, nullptr},
                {LV2_INSTANCE_ACCESS_URI, nullptr},
                {LV2_UI__resize, &resize},
                {LV2_UI__idleInterface, nullptr},
                {LV2_URID__map, map.data()},
                {LV2_UI__noUserResize, nullptr},
                {LV2_UI__fixedSize, nullptr},
                {LV2_OPTIONS__options, options}}) {}

void Lv2HostedUi::setScale(float newScale) {
    scale = newScale;
    options[0] = {LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_UI__scaleFactor), sizeof scale,
                  urids.map(LV2_ATOM__Float), &scale};
}

std::unique_ptr<Lv2HostedUi> Lv2HostedUi::find(FoundPlugin& found, UridMap& map) {
    LilvUIs* uis = lilv_plugin_get_uis(found.plugin());
    std::unique_ptr<Lv2HostedUi> shown;
    LILV_FOREACH(uis, at, uis) {
        const LilvUI* ui = lilv_uis_get(uis, at);
        if (shown || !lilv_ui_is_a(ui, found.node(LV2_UI__X11UI))) continue;
        auto candidate = std::unique_ptr<Lv2HostedUi>(new Lv2HostedUi(map));
        const auto required = found.values(lilv_ui_get_uri(ui), LV2_CORE__requiredFeature);
        if (!candidate->features.missing(required).empty()) continue;
        shown = std::move(candidate);
        shown->uri = lilv_node_as_uri(lilv_ui_get_uri(ui));
        shown->pluginUri = lilv_node_as_uri(lilv_plugin_get_uri(found.plugin()));
        shown->binaryPath = nodeText(lilv_ui_get_binary_uri(ui));
        shown->bundlePath = nodeText(lilv_ui_get_bundle_uri(ui));
    }
    lilv_uis_free(uis);
    return shown;
}

Lv2HostedUi::~Lv2HostedUi() {
    close();
    if (library) dlclose(library);
}

bool Lv2HostedUi::loadDescriptor() {
    if (descriptor) return true;
    if (!library) library = dlopen(binaryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    auto entry = reinterpret_cast<LV2UI_DescriptorFunction>(dlsym(library, "lv2ui_descriptor"));
    for (uint32_t index = 0; entry && !descriptor; ++index) {
        const LV2UI_Descriptor* offered = entry(index);
        if (!offered) break;
        if (uri == offered->URI) descriptor = offered;
    }
    return descriptor != nullptr;
}

bool Lv2HostedUi::open(HostWindow& window, LV2_Handle instance) {
    if (handle || !loadDescriptor()) return false;
    features.setData(LV2_UI__parent, window.parentHandle());
    features.setData(LV2_INSTANCE_ACCESS_URI, instance);
    shownIn = &window;
    LV2UI_Widget widget = nullptr;
    handle = descriptor->instantiate(descriptor, pluginUri.c_str(), bundlePath.c_str(),
                                     ignoreWrite, this, &widget, features.array());
    if (!handle) return false;
    idleInterface = descriptor->extension_data
                        ? static_cast<const LV2UI_Idle_Interface*>(
                              descriptor->extension_data(LV2_UI__idleInterface))
                        : nullptr;
    if (!idleInterface) close();
    return handle != nullptr;
}

void Lv2HostedUi::idle() {
    if (handle) idleInterface->idle(handle);
}

void Lv2HostedUi::close() {
    if (!handle) return;
    descriptor->cleanup(handle);
    handle = nullptr;
    shownIn = nullptr;
}

int Lv2HostedUi::resized(LV2UI_Feature_Handle ui, int width, int height) {
    auto* self = static_cast<Lv2HostedUi*>(ui);
    if (!self->shownIn || width <= 0 || height <= 0) return 1;
    self->shownIn->resize(width, height);
    return 0;
}
