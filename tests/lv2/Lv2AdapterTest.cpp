// SPDX-License-Identifier: MIT
// What the LV2 glue tells the effect, heard by a stand-in for the module's
// entry and record: the rate, the block size chosen from the host's options,
// resume and suspend around the blocks, and the UI's scale, opening and size.

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/ui/ui.h>

#include <vector>

#include "interface/EditorRect.h"
#include "interface/Opcodes.h"
#include "tests/lv2/TestUridMap.h"
#include "tests/support/RecordingModule.h"

extern "C" const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index);

namespace {
const int32_t k256 = 256, k1024 = 1024, kZero = 0, kNegative = -5;
const char* const kNominal = LV2_BUF_SIZE__nominalBlockLength;
const char* const kLargest = LV2_BUF_SIZE__maxBlockLength;

struct Option {
    const char* key;
    const int32_t* value;
    const char* type = LV2_ATOM__Int;
    uint32_t size = sizeof(int32_t);
};

TEST(Lv2Adapter, TellsTheEffectItsRateBlockSizeAndWhenItIsActive) {
    const struct {
        const char* name;
        std::vector<Option> options;
        int32_t blockSize;   // 0: none is sent
        bool mapped = true;  // the host passes a URID map
    } cases[] = {
        {"nominal before maximum", {{kNominal, &k256}, {kLargest, &k1024}}, 256},
        {"maximum before nominal", {{kLargest, &k1024}, {kNominal, &k256}}, 256},
        {"zero nominal", {{kNominal, &kZero}, {kLargest, &k1024}}, 1024},
        {"nominal as a float", {{kNominal, &k256, LV2_ATOM__Float}, {kLargest, &k1024}}, 1024},
        {"nominal of 8 bytes", {{kNominal, &k256, LV2_ATOM__Int, 8}, {kLargest, &k1024}}, 1024},
        {"nominal without a value", {{kNominal, nullptr}, {kLargest, &k1024}}, 1024},
        {"only unusable values",
         {{kNominal, &kZero}, {kLargest, &kNegative}, {kNominal, &k256, LV2_ATOM__Float}}, 0},
        {"no options", {}, 0},
        {"no URID map", {{kNominal, &k256}}, 0, false},
    };
    const LV2_Descriptor* plugin = lv2_descriptor(0);
    for (const auto& c : cases) {
        TestUridMap urid;
        std::vector<LV2_Options_Option> options;
        for (const Option& o : c.options)
            options.push_back(
                {LV2_OPTIONS_INSTANCE, 0, urid(o.key), o.size, urid(o.type), o.value});
        options.push_back({LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr});
        LV2_Feature optionsFeature{LV2_OPTIONS__options, options.data()};
        LV2_Feature mapFeature{LV2_URID__map, &urid.map};
        const LV2_Feature* features[] = {&optionsFeature, c.mapped ? &mapFeature : nullptr,
                                         nullptr};

        recordedCalls().clear();
        LV2_Handle instance = plugin->instantiate(plugin, 48000.0, "", features);
        ASSERT_NE(instance, nullptr) << c.name;
        plugin->activate(instance);
        plugin->run(instance, 64);
        plugin->deactivate(instance);
        plugin->cleanup(instance);

        std::vector<RecordCall> expected = {
            {opOpen}, {opSetSampleRate, 0, 0, 48000.0f}, {opSetBlockSize, 0, c.blockSize},
            {opSuspendResume, 0, 1}, {RecordCall::kProcess, 0, 0, 0.0f, 64},
            {opSuspendResume, 0, 0}, {opClose}};
        if (!c.blockSize) expected.erase(expected.begin() + 2);
        EXPECT_EQ(recordedCalls(), expected) << c.name;
    }
}

// The host's scale reaches the editor before it opens, so that its window is
// made at the zoomed size the host then hears.
TEST(Lv2Adapter, TheUiSendsTheHostsScaleBeforeOpeningAndTellsTheSize) {
    TestUridMap urid;
    const float scale = 2.0f;
    LV2_Options_Option options[] = {
        {LV2_OPTIONS_INSTANCE, 0, urid(LV2_UI__scaleFactor), sizeof scale, urid(LV2_ATOM__Float),
         &scale},
        {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    int heardWidth = 0;
    LV2UI_Resize resize{&heardWidth, [](LV2UI_Feature_Handle heard, int width, int) {
                            return *static_cast<int*>(heard) = width, 0;
                        }};
    const LV2_Descriptor* plugin = lv2_descriptor(0);
    const LV2_Feature* none[] = {nullptr};
    LV2_Handle instance = plugin->instantiate(plugin, 48000.0, "", none);
    LV2_Feature features[] = {{LV2_OPTIONS__options, options}, {LV2_URID__map, &urid.map},
                              {LV2_UI__parent, reinterpret_cast<void*>(0x100)},
                              {LV2_INSTANCE_ACCESS_URI, instance}, {LV2_UI__resize, &resize}};
    const LV2_Feature* list[] = {&features[0], &features[1], &features[2], &features[3],
                                 &features[4], nullptr};
    recordedCalls().clear();
    recordAnswer() = [](int32_t opcode, intptr_t value, void* ptr) -> intptr_t {
        static EditorRect zoomed{0, 0, 428, 604};
        if (opcode == opVendorSpecific && value == kEditorWindowValue)
            *static_cast<void**>(ptr) = reinterpret_cast<void*>(0x200);
        if (opcode == opEditorGetRect) *static_cast<EditorRect**>(ptr) = &zoomed;
        return opcode == opEditorOpen || opcode == opVendorSpecific || opcode == opEditorGetRect;
    };
    const LV2UI_Descriptor* ui = lv2ui_descriptor(0);
    LV2UI_Widget widget = nullptr;
    LV2UI_Handle handle = ui->instantiate(ui, SKYRUN_LV2_URI, "", nullptr, nullptr, &widget, list);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(widget, reinterpret_cast<void*>(0x200));
    ui->cleanup(handle);
    const std::vector<RecordCall> expected = {
        {opVendorSpecific, kEditorQueryIndex, kEditorScaleValue, 2.0f},
        {opEditorOpen},
        {opVendorSpecific, kEditorQueryIndex, kEditorWindowValue},
        {opEditorGetRect},
        {opEditorClose}};
    EXPECT_EQ(recordedCalls(), expected);
    EXPECT_EQ(heardWidth, 604);
    recordAnswer() = nullptr;
    plugin->cleanup(instance);
}
}  // namespace
