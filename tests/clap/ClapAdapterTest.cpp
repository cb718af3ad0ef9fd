// SPDX-License-Identifier: MIT
// The CLAP glue over a stand-in for the module's record: each call of the
// plug-in and its GUI becomes the record calls the adapter core makes for
// it, and a call the plug-in must refuse becomes none.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "clap/Clap.h"
#include "host/formats/clap/ClapHost.h"
#include "interface/EditorRect.h"
#include "interface/Opcodes.h"
#include "tests/support/RecordingModule.h"

extern "C" const clap_plugin_entry clap_entry;

namespace {
// An effect whose editor opens and names its window, as the module's does.
intptr_t editorAnswers(int32_t opcode, intptr_t value, void* ptr) {
    if (opcode == opEditorOpen) return 1;
    if (opcode == opVendorSpecific && value == kEditorWindowValue)
        *static_cast<void**>(ptr) = reinterpret_cast<void*>(0x200);
    return opcode == opVendorSpecific;
}

clap_process_status processWith(const clap_plugin* plugin, float** in, uint32_t inChannels,
                                float** out, uint32_t outChannels) {
    const clap_audio_buffer input = {in, nullptr, inChannels, 0, 0};
    clap_audio_buffer output = {out, nullptr, outChannels, 0, 0};
    const clap_process block = {0, 64, nullptr, &input, &output, 1, 1, nullptr, nullptr};
    return plugin->process(plugin, &block);
}

RecordCall query(intptr_t value, float opt = 0.0f) {
    return {opVendorSpecific, kEditorQueryIndex, value, opt};
}

TEST(ClapAdapter, MapsEachCallOntoTheRecordAndRefusedOnesOntoNothing) {
    float left[64] = {}, right[64] = {};
    float *stereo[] = {left, right}, *mono[] = {left}, *missing[] = {left, nullptr};
    const RecordCall resume{opSuspendResume, 0, 1}, suspend{opSuspendResume, 0, 0},
        process64{RecordCall::kProcess, 0, 0, 0.0f, 64};
    using Steps = std::function<void(const clap_plugin*, const clap_plugin_gui&, const ClapHost&)>;
    const struct {
        const char* name;
        Steps steps;
        std::vector<RecordCall> expected;  // between open and close
        int unregistered = 0;  // timers given back to the host
    } cases[] = {
        {"activate takes the largest block",
         [](const clap_plugin* p, const clap_plugin_gui&, const ClapHost&) {
             EXPECT_TRUE(p->activate(p, 44100.0, 32, 512));
             p->start_processing(p), p->stop_processing(p), p->deactivate(p);
         },
         {{opSetSampleRate, 0, 0, 44100.0f}, {opSetBlockSize, 0, 512}, resume, suspend}},
        {"ports: stereo, in place, crossed; refused: mono, a missing channel, no ports",
         [&](const clap_plugin* p, const clap_plugin_gui&, const ClapHost&) {
             float* crossed[] = {right, left};
             EXPECT_EQ(ClapHost::processStereo(p, stereo, stereo, 64), kClapProcessContinue);
             EXPECT_EQ(processWith(p, stereo, 2, crossed, 2), kClapProcessContinue);
             EXPECT_EQ(processWith(p, stereo, 2, mono, 1), kClapProcessError);
             EXPECT_EQ(processWith(p, mono, 1, stereo, 2), kClapProcessError);
             EXPECT_EQ(processWith(p, stereo, 2, missing, 2), kClapProcessError);
             EXPECT_EQ(processWith(p, stereo, 2, nullptr, 2), kClapProcessError);
             const clap_process none = {0, 64, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr};
             EXPECT_EQ(p->process(p, &none), kClapProcessError);
             EXPECT_EQ(p->process(p, nullptr), kClapProcessError);
         },
         {process64, process64}},
        {"the GUI through its life",
         [](const clap_plugin* p, const clap_plugin_gui& gui, const ClapHost& host) {
             ASSERT_TRUE(gui.create(p, kClapWindowApiHere, false));
             gui.set_scale(p, 2.0);
             uint32_t width = 0, height = 0;
             gui.get_size(p, &width, &height);
             const clap_window parent = ClapHost::windowOf(reinterpret_cast<void*>(0x100));
             EXPECT_TRUE(gui.set_parent(p, &parent));
             host.runTimers(p);
             auto& timer = *static_cast<const clap_plugin_timer_support*>(
                 p->get_extension(p, kClapExtTimerSupport));
             timer.on_timer(p, host.timers().at(0) + 1);  // another's: nothing
             gui.hide(p), gui.show(p), gui.destroy(p);
         },
         {query(kEditorScaleValue, 2.0f), {opEditorGetRect}, {opEditorOpen},
          query(kEditorWindowValue), {opEditorIdle}, query(kEditorHideValue),
          query(kEditorShowValue), {opEditorClose}},
         1},
    };
    auto* factory = static_cast<const clap_plugin_factory*>(
        clap_entry.get_factory(kClapPluginFactoryId));
    for (const auto& c : cases) {
        const ClapHost host("recording");
        recordedCalls().clear();
        recordAnswer() = editorAnswers;
        const clap_plugin* plugin = factory->create_plugin(factory, host.table(), "example.orvane.skyrun");
        ASSERT_TRUE(plugin && plugin->init(plugin)) << c.name;
        c.steps(plugin, *static_cast<const clap_plugin_gui*>(plugin->get_extension(plugin, kClapExtGui)),
                host);
        plugin->destroy(plugin);
        std::vector<RecordCall> expected = {{opOpen}};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        expected.push_back({opClose});
        EXPECT_EQ(recordedCalls(), expected) << c.name;
        EXPECT_EQ(host.unregisteredCount(), c.unregistered) << c.name;
    }
    recordAnswer() = nullptr;
}
}  // namespace
