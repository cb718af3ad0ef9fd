// SPDX-License-Identifier: MIT
#pragma once
// The plug-in's X11 UI as an LV2 host shows it: the UI binary lilv names is
// loaded, the UI is made inside the host's window and handed the DSP
// instance itself (instance-access), sizes that window through ui:resize,
// and is stepped through its idle interface.

#include <lv2/core/lv2.h>
#include <lv2/options/options.h>
#include <lv2/ui/ui.h>

#include <cstdint>
#include <memory>
#include <string>

#include "host/formats/lv2/FoundPlugin.h"
#include "host/formats/lv2/Lv2Features.h"
#include "host/formats/lv2/UridMap.h"
#include "host/platform/HostWindow.h"

class Lv2HostedUi {
public:
    // The plug-in's X11 UI; null when it has none this host can show: none
    // of that class, or one needing a feature this host does not give.
    static std::unique_ptr<Lv2HostedUi> find(FoundPlugin& found, UridMap& map);
    ~Lv2HostedUi();  // closes the UI if open
    Lv2HostedUi(const Lv2HostedUi&) = delete;
    Lv2HostedUi& operator=(const Lv2HostedUi&) = delete;

    // Opens the UI inside `window` for the DSP `instance`; the window takes
    // the size the UI asks for.
    bool open(HostWindow& window, LV2_Handle instance);
    // The ui:scaleFactor the UI is given from its next opening.
    void setScale(float scale);
    void idle();
    void close();

private:
    explicit Lv2HostedUi(UridMap& map);
    bool loadDescriptor();
    static int resized(LV2UI_Feature_Handle ui, int width, int height);

    std::string uri, pluginUri, binaryPath, bundlePath;
    void* library = nullptr;
    const LV2UI_Descriptor* descriptor = nullptr;
    LV2UI_Handle handle = nullptr;
    const LV2UI_Idle_Interface* idleInterface = nullptr;
    LV2UI_Resize resize{this, &Lv2HostedUi::resized};
    HostWindow* shownIn = nullptr;
    UridMap& urids;
    float scale = 0.0f;
    // The scale when one is set, then the end of the list.
    LV2_Options_Option options[2] = {};
    Lv2Features features;
};
