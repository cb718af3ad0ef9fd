#pragma once
// One LV2 plug-in run through lilv the way an LV2 host runs it: instantiated
// at the session's rate with the block size among its options, its two
// audio inputs and two outputs connected for each block, activated and
// deactivated for start and stop, and its X11 UI as the editor.

#include <lilv/lilv.h>
#include <lv2/options/options.h>

#include <array>
#include <memory>
#include <string>

#include "host/HostedEffect.h"
#include "host/platform/lilv/FoundPlugin.h"
#include "host/platform/lilv/Lv2Ui.h"
#include "host/platform/lilv/UridMap.h"

class LilvEffect : public HostedEffect {
public:
    // The plug-in a bundle folder or URI leads to, checked to be one this host
    // can run; null with `error` naming the cause.
    static std::unique_ptr<LilvEffect> load(const std::string& name, std::string& error);
    ~LilvEffect() override;  // cleans the instance up

    // Instantiates the plug-in anew (the rate and block size are fixed per
    // instance in LV2) and activates it.
    bool start(int32_t rate, int32_t block, std::string& error) override;
    void stop() override;
    void process(float** in, float** out, int32_t frames) override;
    bool editorSize(int32_t& width, int32_t& height) override;
    bool openEditor(void* parent) override;
    void idleEditor() override;
    void closeEditor() override;
    // The plug-in does not tell its game's counters.
    bool gameStatus(GameStatus&) override { return false; }

private:
    explicit LilvEffect(std::unique_ptr<FoundPlugin> found) : found(std::move(found)) {}
    bool readPorts(std::string& error);
    bool checkFeatures(std::string& error);
    void free();

    std::unique_ptr<FoundPlugin> found;
    std::unique_ptr<Lv2Ui> ui;  // null when the plug-in has none this host can show
    UridMap urids;
    std::array<uint32_t, 2> inputPorts{}, outputPorts{};
    int32_t blockFrames = 0;
    std::array<LV2_Options_Option, 3> options{};
    LilvInstance* instance = nullptr;
    bool active = false;
};
