// SPDX-License-Identifier: MIT
#pragma once
// One LV2 plug-in loaded and run through lilv the way an LV2 host runs it:
// instantiated at the session's rate with the block size among its
// options, its two audio inputs and two outputs connected for each block,
// activated and deactivated for start and stop, and its X11 UI as the editor.

#include <lilv/lilv.h>
#include <lv2/options/options.h>

#include <array>
#include <memory>
#include <string>

#include "host/formats/HostedEffect.h"
#include "host/formats/lv2/FoundPlugin.h"
#include "host/formats/lv2/Lv2Features.h"
#include "host/formats/lv2/Lv2HostedUi.h"
#include "host/formats/lv2/UridMap.h"

class Lv2HostedPlugin : public HostedEffect {
public:
    // The plug-in a bundle folder or URI leads to, checked to be one this host
    // can run; null with `error` naming the cause.
    static std::unique_ptr<Lv2HostedPlugin> load(const std::string& name, std::string& error);
    ~Lv2HostedPlugin() override;  // cleans the instance up

    // Instantiates the plug-in anew (the rate and block size are fixed per
    // instance in LV2) and activates it.
    bool start(int32_t rate, int32_t block, std::string& error) override;
    void stop() override;
    void process(float** in, float** out, int32_t frames) override;
    bool accumulates(std::string& why) override;
    // Through the UI's ui:scaleFactor option.
    bool setZoom(int32_t zoom, std::string& error) override;
    // Known once the UI is open: it asks for its size then.
    bool editorSize(int32_t& width, int32_t& height) override;
    bool openEditor(HostWindow& window) override;
    void idleEditor() override;
    void closeEditor() override;

private:
    explicit Lv2HostedPlugin(std::unique_ptr<FoundPlugin> found);
    bool readPorts(std::string& error);
    bool checkFeatures(std::string& error);
    void free();

    std::unique_ptr<FoundPlugin> found;
    UridMap urids;
    int32_t blockFrames = 0;
    std::array<LV2_Options_Option, 3> options{};
    Lv2Features features;
    std::unique_ptr<Lv2HostedUi> ui;  // null when the plug-in has none this host can show
    std::array<uint32_t, 2> inputPorts{}, outputPorts{};
    LilvInstance* instance = nullptr;
    bool active = false;
};
