#pragma once
// The plug-in's X11 UI as an LV2 host shows it: the UI binary lilv names is
// loaded, the UI is made inside the host's window and handed the DSP
// instance itself (instance-access), tells its size through ui:resize, and
// is stepped through its idle interface.

#include <lv2/core/lv2.h>
#include <lv2/ui/ui.h>

#include <cstdint>
#include <memory>
#include <string>

#include "host/platform/lilv/FoundPlugin.h"
#include "host/platform/lilv/UridMap.h"

class Lv2Ui {
public:
    // The plug-in's X11 UI; null when it has none this host can show: none
    // of that class, or one needing a feature this host does not give.
    static std::unique_ptr<Lv2Ui> find(FoundPlugin& found);
    ~Lv2Ui();  // closes the UI if open
    Lv2Ui(const Lv2Ui&) = delete;
    Lv2Ui& operator=(const Lv2Ui&) = delete;

    // Opens the UI inside the X11 window `parent` for the DSP `instance`.
    bool open(void* parent, LV2_Handle instance, UridMap& map);
    void idle();
    void close();
    // The size the UI asked for; learnt, when not yet known, by opening it
    // once in a hidden window of its own.
    bool size(int32_t& width, int32_t& height, LV2_Handle instance, UridMap& map);

private:
    Lv2Ui() = default;
    bool loadDescriptor();
    static int resized(LV2UI_Feature_Handle ui, int width, int height);

    std::string uri, pluginUri, binaryPath, bundlePath;
    void* library = nullptr;
    const LV2UI_Descriptor* descriptor = nullptr;
    LV2UI_Handle handle = nullptr;
    const LV2UI_Idle_Interface* idleInterface = nullptr;
    LV2UI_Resize resize{this, &Lv2Ui::resized};
    int32_t askedWidth = 0, askedHeight = 0;
};
