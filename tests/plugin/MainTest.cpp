// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "plugin/ModuleState.h"
#include "plugin/PluginMain.h"
#include "tests/support/RecordingHost.h"

TEST(Main, AsksTheHostVersionWithNoEffect) {
    RecordingHost host;
    EffectRecord* record = pluginMain(RecordingHost::callback);
    ASSERT_NE(record, nullptr);
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls[0].effect, nullptr);
    EXPECT_EQ(host.calls[0].opcode, hostVersion);
    EXPECT_EQ(host.calls[0].index, 0);
    EXPECT_EQ(host.calls[0].value, 0);
    EXPECT_EQ(host.calls[0].ptr, nullptr);
    record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
}

TEST(Main, RefusesAHostOfVersionZeroOrNoCallback) {
    RecordingHost host;
    host.answer = [](const HostCall&) -> intptr_t { return 0; };
    EXPECT_EQ(pluginMain(RecordingHost::callback), nullptr);
    EXPECT_EQ(host.calls.size(), 1u);  // nothing was constructed: no further call
    EXPECT_EQ(pluginMain(nullptr), nullptr);
}

TEST(Main, EachCallMakesAnIndependentEffect) {
    RecordingHost host;
    EffectRecord* first = pluginMain(RecordingHost::callback);
    EffectRecord* second = pluginMain(RecordingHost::callback);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    first->dispatcher(first, opSetProgram, 0, 2, nullptr, 0.0f);
    EXPECT_EQ(first->dispatcher(first, opGetProgram, 0, 0, nullptr, 0.0f), 2);
    EXPECT_EQ(second->dispatcher(second, opGetProgram, 0, 0, nullptr, 0.0f), 0);
    first->dispatcher(first, opClose, 0, 0, nullptr, 0.0f);
    second->dispatcher(second, opClose, 0, 0, nullptr, 0.0f);
}

namespace {
int factoryCalls = 0;
EditorBase* failingEditorFactory(GamePlugin&) {
    ++factoryCalls;
    return nullptr;
}
}  // namespace

// The flag is process-wide and sticky by design; the test puts it back so
// that the other tests of this process can still make effects.
TEST(Main, EditorThatCannotBeMadeDiscardsTheEffectFromThenOn) {
    RecordingHost host;
    GamePlugin::EditorFactory usual = GamePlugin::editorFactory;
    GamePlugin::editorFactory = failingEditorFactory;
    EXPECT_EQ(pluginMain(RecordingHost::callback), nullptr);
    EXPECT_EQ(factoryCalls, 1);
    EXPECT_TRUE(moduleOutOfMemory);
    GamePlugin::editorFactory = usual;
    EXPECT_EQ(pluginMain(RecordingHost::callback), nullptr);
    moduleOutOfMemory = false;
    EffectRecord* record = pluginMain(RecordingHost::callback);
    ASSERT_NE(record, nullptr);
    record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
}
