#include "host/platform/lilv/Lv2Ui.h"

#include <X11/Xlib.h>
#include <dlfcn.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {
// What this host gives a UI; ui:noUserResize and ui:fixedSize hold by
// themselves, as the host's window keeps the size the UI asks for.
const char* const kGivenFeatures[] = {
    LV2_UI__parent, LV2_INSTANCE_ACCESS_URI, LV2_UI__resize,   LV2_UI__idleInterface,
    LV2_URID__map,  LV2_UI__noUserResize,    LV2_UI__fixedSize};

bool allGiven(FoundPlugin& found, const LilvUI* ui) {
    for (const std::string& feature : found.values(lilv_ui_get_uri(ui), LV2_CORE__requiredFeature))
        if (std::find(std::begin(kGivenFeatures), std::end(kGivenFeatures), feature) ==
            std::end(kGivenFeatures))
            return false;
    return true;
}

// The UI has no control ports, so it writes nothing to hear.
void ignoreWrite(LV2UI_Controller, uint32_t, uint32_t, uint32_t, const void*) {}
}  // namespace

std::unique_ptr<Lv2Ui> Lv2Ui::find(FoundPlugin& found) {
    LilvUIs* uis = lilv_plugin_get_uis(found.plugin());
    std::unique_ptr<Lv2Ui> shown;
    LILV_FOREACH(uis, at, uis) {
        const LilvUI* ui = lilv_uis_get(uis, at);
        if (shown || !lilv_ui_is_a(ui, found.node(LV2_UI__X11UI)) || !allGiven(found, ui)) continue;
        shown = std::unique_ptr<Lv2Ui>(new Lv2Ui);
        shown->uri = lilv_node_as_uri(lilv_ui_get_uri(ui));
        shown->pluginUri = lilv_node_as_uri(lilv_plugin_get_uri(found.plugin()));
        shown->binaryPath = nodeText(lilv_ui_get_binary_uri(ui));
        shown->bundlePath = nodeText(lilv_ui_get_bundle_uri(ui));
    }
    lilv_uis_free(uis);
    return shown;
}

Lv2Ui::~Lv2Ui() {
    close();
    if (library) dlclose(library);
}

bool Lv2Ui::loadDescriptor() {
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

bool Lv2Ui::open(void* parent, LV2_Handle instance, UridMap& map) {
    if (handle || !loadDescriptor()) return false;
    const LV2_Feature parentFeature{LV2_UI__parent, parent};
    const LV2_Feature instanceFeature{LV2_INSTANCE_ACCESS_URI, instance};
    const LV2_Feature resizeFeature{LV2_UI__resize, &resize};
    const LV2_Feature idleFeature{LV2_UI__idleInterface, nullptr};
    const LV2_Feature mapFeature{LV2_URID__map, map.data()};
    const LV2_Feature* const features[] = {&parentFeature, &instanceFeature, &resizeFeature,
                                           &idleFeature,   &mapFeature,      nullptr};
    LV2UI_Widget widget = nullptr;
    handle = descriptor->instantiate(descriptor, pluginUri.c_str(), bundlePath.c_str(),
                                     ignoreWrite, this, &widget, features);
    if (!handle) return false;
    idleInterface = descriptor->extension_data
                        ? static_cast<const LV2UI_Idle_Interface*>(
                              descriptor->extension_data(LV2_UI__idleInterface))
                        : nullptr;
    if (!idleInterface) close();
    return handle != nullptr;
}

void Lv2Ui::idle() {
    if (handle) idleInterface->idle(handle);
}

void Lv2Ui::close() {
    if (!handle) return;
    descriptor->cleanup(handle);
    handle = nullptr;
}

bool Lv2Ui::size(int32_t& width, int32_t& height, LV2_Handle instance, UridMap& map) {
    if (askedWidth <= 0 && !handle) {
        Display* display = XOpenDisplay(nullptr);
        if (!display) return false;
        const ::Window hidden =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XSync(display, False);
        if (open(reinterpret_cast<void*>(uintptr_t(hidden)), instance, map)) close();
        XDestroyWindow(display, hidden);
        XCloseDisplay(display);
    }
    width = askedWidth;
    height = askedHeight;
    return width > 0 && height > 0;
}

int Lv2Ui::resized(LV2UI_Feature_Handle ui, int width, int height) {
    auto* self = static_cast<Lv2Ui*>(ui);
    self->askedWidth = width;
    self->askedHeight = height;
    return 0;
}
