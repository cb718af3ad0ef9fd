// SPDX-License-Identifier: MIT
// What the adapter core tells the effect, heard by a stand-in for the
// module's entry and record: each format's calls end up as exactly these.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "adapter/EffectAdapter.h"
#include "interface/EditorRect.h"
#include "interface/Opcodes.h"
#include "tests/support/RecordingModule.h"

namespace {
void* const kParent = reinterpret_cast<void*>(0x100);
void* const kEditorWindow = reinterpret_cast<void*>(0x200);

// An effect whose editor opens and names its window, as the module's does.
intptr_t editorAnswers(int32_t opcode, intptr_t value, void* ptr) {
    if (opcode == opEditorOpen) return 1;
    if (opcode != opVendorSpecific) return 0;
    if (value == kEditorWindowValue) *static_cast<void**>(ptr) = kEditorWindow;
    return 1;
}

RecordCall query(intptr_t value, float opt = 0.0f) {
    return {opVendorSpecific, kEditorQueryIndex, value, opt};
}

TEST(EffectAdapter, TellsTheRecordWhatEachStepMeansInTheModulesOrder) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const RecordCall rate48k{opSetSampleRate, 0, 0, 48000.0f}, resume{opSuspendResume, 0, 1},
        suspend{opSuspendResume, 0, 0}, block512{opSetBlockSize, 0, 512},
        process64{RecordCall::kProcess, 0, 0, 0.0f, 64};
    const struct {
        const char* name;
        std::function<void(EffectAdapter&)> steps;
        std::vector<RecordCall> expected;  // between open and close
        RecordAnswer answer = nullptr;
    } cases[] = {
        {"a block size known",
         [](EffectAdapter& e) {
             EXPECT_TRUE(e.activate(48000.0, 512));
             float* buffers[2] = {};
             e.process(buffers, buffers, 64);
             e.deactivate();
         },
         {rate48k, block512, resume, process64, suspend}},
        {"no block size known",
         [](EffectAdapter& e) { e.activate(48000.0, 0), e.deactivate(); },
         {rate48k, resume, suspend}},
        {"unusable rates",
         [nan](EffectAdapter& e) {
             for (double rate : {0.0, -44100.0, double(nan), std::numeric_limits<double>::infinity()})
                 EXPECT_FALSE(e.activate(rate, 512)) << rate;
             e.deactivate();
         },
         {}},
        {"deactivated twice, activated again",
         [](EffectAdapter& e) {
             e.activate(48000.0, 512), e.deactivate(), e.deactivate(), e.activate(48000.0, 512);
         },
         {rate48k, block512, resume, suspend, rate48k, block512, resume, suspend}},
        {"activated while active", [](EffectAdapter& e) { e.activate(48000.0, 0), e.activate(48000.0, 0); },
         {rate48k, resume, suspend, rate48k, resume, suspend}},
        {"the editor through its life",
         [](EffectAdapter& e) {
             EXPECT_TRUE(e.setEditorScale(2.0));
             uint32_t width = 0, height = 0;
             e.editorSize(width, height);
             EXPECT_TRUE(e.openEditor(kParent));
             EXPECT_EQ(e.editorWindow(), kEditorWindow);
             EXPECT_FALSE(e.openEditor(kParent));  // open already
             EXPECT_TRUE(e.showEditor(false));
             EXPECT_TRUE(e.showEditor(true));
             e.idleEditor();
             e.closeEditor();
             e.closeEditor();
             EXPECT_EQ(e.editorWindow(), nullptr);
         },
         {query(kEditorScaleValue, 2.0f), {opEditorGetRect}, {opEditorOpen}, query(kEditorWindowValue),
          query(kEditorHideValue), query(kEditorShowValue), {opEditorIdle}, {opEditorClose}},
         editorAnswers},
        {"an editor that names no window is closed again",
         [](EffectAdapter& e) {
             EXPECT_FALSE(e.openEditor(kParent));
             EXPECT_FALSE(e.showEditor(true));
             e.idleEditor();
         },
         {{opEditorOpen}, query(kEditorWindowValue), {opEditorClose}},
         [](int32_t opcode, intptr_t, void*) -> intptr_t { return opcode == opEditorOpen; }},
        {"no parent, and nothing open", [](EffectAdapter& e) { e.openEditor(nullptr), e.idleEditor(); },
         {}, editorAnswers},
        {"closed with the editor open while active",
         [](EffectAdapter& e) { e.activate(48000.0, 0), e.openEditor(kParent); },
         {rate48k, resume, {opEditorOpen}, query(kEditorWindowValue), {opEditorClose}, suspend},
         editorAnswers},
    };
    for (const auto& c : cases) {
        recordedCalls().clear();
        recordAnswer() = c.answer;
        EffectAdapter* effect = EffectAdapter::create();
        ASSERT_NE(effect, nullptr) << c.name;
        c.steps(*effect);
        delete effect;
        std::vector<RecordCall> expected = {{opOpen}};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        expected.push_back({opClose});
        EXPECT_EQ(recordedCalls(), expected) << c.name;
    }
    recordAnswer() = nullptr;
}
}  // namespace
