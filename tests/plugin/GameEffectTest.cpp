// SPDX-License-Identifier: MIT
// Programs, parameters and the editor requests of the game's effect.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/EndOfBlockViews.h"
#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TestEditor.h"

namespace {
// Gives every effect made meanwhile a TestEditor instead of the game's editor.
struct WithTestEditor {
    WithTestEditor() : usual(GamePlugin::editorFactory) {
        GamePlugin::editorFactory = [](GamePlugin& plugin) -> EditorBase* {
            return new TestEditor(&plugin);
        };
    }
    ~WithTestEditor() { GamePlugin::editorFactory = usual; }
    GamePlugin::EditorFactory usual;
};

class GameEffect : public testing::Test {
protected:
    TestEditor* editor() { return static_cast<TestEditor*>(effect.getEditor()); }
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr) {
        return record->dispatcher(record, opcode, index, value, ptr, 0.0f);
    }
    std::string currentName() {
        char name[64] = {};
        dispatch(opGetProgramName, 0, 0, name);
        return name;
    }
    std::string indexedName(int32_t index) {
        char name[64] = "untouched";
        dispatch(opProgramNameAt, index, 0, name);
        return name;
    }
    void rename(const char* name) {
        char text[128];
        std::snprintf(text, sizeof text, "%s", name);
        dispatch(opSetProgramName, 0, 0, text);
    }

    WithTestEditor testEditors;
    RecordingHost host;
    GamePlugin effect{RecordingHost::callback};
    EffectRecord* record = effect.getRecord();
};
}  // namespace

TEST_F(GameEffect, FreshProgramsAreNormalThenInit) {
    const char* expected[] = {"normal", "init", "init", "init"};
    for (int32_t program = 0; program < 4; ++program) {
        dispatch(opSetProgram, 0, program);
        EXPECT_EQ(currentName(), expected[program]);
        EXPECT_EQ(indexedName(program), expected[program]);
        EXPECT_EQ(dispatch(opProgramNameAt, program, 0, std::string(64, ' ').data()), 1);
    }
    EXPECT_EQ(dispatch(opProgramNameAt, 4, 0, std::string(64, ' ').data()), 0);
    EXPECT_EQ(indexedName(4), "untouched");
    EXPECT_EQ(indexedName(-1), "untouched");
}

TEST_F(GameEffect, ProgramNamedInitIsNumberedOnlyForTheCurrentName) {
    dispatch(opSetProgram, 0, 2);
    rename("Init");
    EXPECT_EQ(currentName(), "Init 3");
    EXPECT_EQ(indexedName(2), "Init");
    rename("init");
    EXPECT_EQ(currentName(), "init");
    rename("INIT");
    EXPECT_EQ(currentName(), "INIT");
}

TEST_F(GameEffect, LongNamesAreCutAt23Characters) {
    rename("abcdefghijklmnopqrstuvwxyz0123456789");
    EXPECT_EQ(currentName(), "abcdefghijklmnopqrstuvw");
    EXPECT_EQ(indexedName(0), "abcdefghijklmnopqrstuvw");
}

TEST_F(GameEffect, CopyProgramCopiesTheCurrentRecord) {
    dispatch(opSetProgram, 0, 1);
    rename("lead");
    EXPECT_EQ(dispatch(opCopyProgram, 3), 1);
    EXPECT_EQ(indexedName(3), "lead");
    EXPECT_EQ(dispatch(opCopyProgram, 1), 1);
    EXPECT_EQ(indexedName(1), "lead");
    EXPECT_EQ(dispatch(opCopyProgram, 4), 0);
    EXPECT_EQ(dispatch(opCopyProgram, -1), 0);
    EXPECT_EQ(indexedName(0), "normal");
    EXPECT_EQ(dispatch(opGetProgram), 1);
}

TEST_F(GameEffect, ParametersDoNotExistAndTheirTextsAreUntouched) {
    EXPECT_EQ(record->numParams, 0);
    EXPECT_EQ(effect.getParameter(0), 0.0f);
    EXPECT_EQ(effect.getParameter(-5), 0.0f);
    for (int32_t opcode : {opGetParamLabel, opGetParamDisplay, opGetParamName}) {
        char text[16] = "keep";
        dispatch(opcode, 0, 0, text);
        EXPECT_STREQ(text, "keep");
    }
}

TEST_F(GameEffect, ParameterAndProgramChangesReachTheEditor) {
    TestEditor* editor = this->editor();
    EXPECT_EQ(record->flags, 0x19);
    effect.setParameter(2, 0.25f);
    EXPECT_TRUE(editor->isUpdateRequested());
    EXPECT_EQ(editor->parameterChanges, 1);
    EXPECT_EQ(editor->lastIndex, 2);
    EXPECT_EQ(editor->lastValue, 0.25f);
    editor->idle();
    EXPECT_FALSE(editor->isUpdateRequested());
    dispatch(opSetProgram, 0, 3);
    EXPECT_TRUE(editor->isUpdateRequested());
    editor->idle();
    editor->idle();
    EXPECT_EQ(editor->updates, 2);
}

TEST_F(GameEffect, SoundEventsStartAtTheirDefaults) {
    SoundEvents& events = effect.soundEvents();
    EXPECT_EQ(events.editorOpen, 0);
    EXPECT_EQ(events.planeSoundMode, -1);
    EXPECT_EQ(events.planeSoundLevel, 0.0f);
    EXPECT_EQ(events.planeSoundCounter, 8);
    EXPECT_EQ(events.planeNoise, 0.0f);
    EXPECT_EQ(events.planePan, 0.5f);
    EXPECT_EQ(events.gunState, 0);
    EXPECT_EQ(events.gunPeriod, 20);
    EXPECT_EQ(events.gunPan, 0.5f);
    EXPECT_EQ(events.gunLevel, 0.0f);
    EXPECT_EQ(events.gunCounter, 0);
    EXPECT_EQ(events.enemySoundOn, 0);
    EXPECT_EQ(events.enemyLevel, 0.0f);
    EXPECT_EQ(events.enemyWave, 0.0f);
    EXPECT_EQ(events.enemyPan, 0.5f);
    EXPECT_EQ(events.enemyWaveCounter, 0);
}

namespace {
class FakeViews : public EndOfBlockViews {
public:
    void updateViews(RandomStream& random) override {
        if (ready) values.push_back(float(random.next()));
    }
    bool ready = true;
    std::vector<float> values;
};
}  // namespace

TEST_F(GameEffect, EndOfBlockNudgesTheViewsOnlyWhileTheEditorIsOpenAndReady) {
    FakeViews views;
    float silence[8] = {};
    float* io[2] = {silence, silence};
    effect.setEndOfBlockViews(&views);
    EditorBase* editor = effect.getEditor();
    effect.setEditor(nullptr);
    effect.soundEvents().editorOpen = 1;
    effect.processReplacing(io, io, 8);  // no editor
    effect.setEditor(editor);
    effect.soundEvents().editorOpen = 0;
    effect.processReplacing(io, io, 8);  // editor closed
    effect.soundEvents().editorOpen = 1;
    views.ready = false;
    effect.process(io, io, 8);  // views not built
    EXPECT_TRUE(views.values.empty());
    views.ready = true;
    effect.process(io, io, 8);
    effect.processReplacing(io, io, 0);  // an empty block still counts
    effect.processReplacing(io, io, -3);
    ASSERT_EQ(views.values.size(), 3u);
    for (float value : views.values) {
        EXPECT_GE(value, 0.0f);
        EXPECT_LE(value, 32767.0f);
    }
    effect.setEndOfBlockViews(nullptr);
}

namespace {
bool editorSawGameEffect = false;
struct TeardownProbe : EditorBase {
    explicit TeardownProbe(GamePlugin* effect) : EditorBase(effect->editorOwner()), effect(effect) {}
    ~TeardownProbe() override {
        editorSawGameEffect = dynamic_cast<GameEffectBase*>(effect) != nullptr;
    }
    PluginEffect* effect;
};
}  // namespace

TEST(GameEffectTeardown, TheEditorIsDeletedWhileTheEffectIsStillAGameEffect) {
    GamePlugin::EditorFactory usual = GamePlugin::editorFactory;
    GamePlugin::editorFactory = [](GamePlugin& plugin) -> EditorBase* {
        return new TeardownProbe(&plugin);
    };
    RecordingHost host;
    EffectRecord* record = (new GamePlugin(RecordingHost::callback))->getRecord();
    GamePlugin::editorFactory = usual;
    editorSawGameEffect = false;
    record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
    EXPECT_TRUE(editorSawGameEffect);
}
