// SPDX-License-Identifier: MIT
// The basic opcodes 0 to 24, on an effect that records which operations ran.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "interface/Opcodes.h"
#include "plugin/PluginEffect.h"
#include "tests/support/TestEditor.h"

namespace {
class ProbeEffect : public PluginEffect {
public:
    explicit ProbeEffect(bool* destroyed = nullptr) : PluginEffect(nullptr, 4, 2), destroyed(destroyed) {}
    ~ProbeEffect() override {
        if (destroyed) *destroyed = true;
    }
    void process(float**, float**, int32_t) override {}
    void open() override { log += "open "; }
    void close() override { log += "close "; }
    void suspend() override { log += "suspend "; }
    void resume() override { log += "resume "; }
    float getVu() override { return vu; }
    int32_t currentProgram() const { return curProgram; }

    bool* destroyed;
    std::string log;
    float vu = 0.0f;
};

intptr_t dispatch(PluginEffect& effect, int32_t opcode, int32_t index = 0, intptr_t value = 0,
                  void* ptr = nullptr, float opt = 0.0f) {
    return effect.getRecord()->dispatcher(effect.getRecord(), opcode, index, value, ptr, opt);
}
}  // namespace

TEST(Dispatcher, OpenCloseAndSuspendResumeReachTheirOperations) {
    ProbeEffect effect;
    EXPECT_EQ(dispatch(effect, opOpen), 0);
    EXPECT_EQ(dispatch(effect, opSuspendResume, 0, 0), 0);
    EXPECT_EQ(dispatch(effect, opSuspendResume, 0, 1), 0);
    EXPECT_EQ(dispatch(effect, opSuspendResume, 0, -7), 0);
    EXPECT_EQ(effect.log, "open suspend resume resume ");
}

TEST(Dispatcher, CloseRunsCloseDeletesTheEffectAndAnswersOne) {
    bool destroyed = false;
    auto* effect = new ProbeEffect(&destroyed);
    EffectRecord* record = effect->getRecord();
    EXPECT_EQ(record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_TRUE(destroyed);
}

TEST(Dispatcher, ProgramSelectionStaysInRange) {
    ProbeEffect effect;
    dispatch(effect, opSetProgram, 0, 3);
    EXPECT_EQ(dispatch(effect, opGetProgram), 3);
    dispatch(effect, opSetProgram, 0, 4);
    EXPECT_EQ(dispatch(effect, opGetProgram), 3);
    dispatch(effect, opSetProgram, 0, -1);
    EXPECT_EQ(dispatch(effect, opGetProgram), 3);
    dispatch(effect, opSetProgram, 0, 0);
    EXPECT_EQ(effect.currentProgram(), 0);
}

TEST(Dispatcher, MeterIsScaledAndTruncated) {
    ProbeEffect effect;
    EXPECT_EQ(dispatch(effect, opGetVu), 0);
    effect.vu = 0.5f;
    EXPECT_EQ(dispatch(effect, opGetVu), 16383);
    effect.vu = -0.5f;
    EXPECT_EQ(dispatch(effect, opGetVu), -16383);
    effect.vu = 1e30f;  // far outside int32: held at the limit
    EXPECT_EQ(dispatch(effect, opGetVu), INT32_MAX);
}

TEST(Dispatcher, RateAndBlockSizeAreStored) {
    ProbeEffect effect;
    EXPECT_EQ(effect.getSampleRate(), 44100.0f);
    EXPECT_EQ(effect.getBlockSize(), 1024);
    EXPECT_EQ(dispatch(effect, opSetSampleRate, 0, 0, nullptr, 96000.0f), 0);
    EXPECT_EQ(dispatch(effect, opSetBlockSize, 0, 64), 0);
    EXPECT_EQ(effect.getSampleRate(), 96000.0f);
    EXPECT_EQ(effect.getBlockSize(), 64);
}

TEST(Dispatcher, BaseTextsAreEmptyAndSignatureIsAnswered) {
    ProbeEffect effect;
    for (int32_t opcode : {opGetProgramName, opGetParamLabel, opGetParamDisplay, opGetParamName}) {
        char text[32] = "untouched";
        EXPECT_EQ(dispatch(effect, opcode, 0, 0, text), 0);
        EXPECT_STREQ(text, "") << opcode;
    }
    EXPECT_EQ(dispatch(effect, opSignature), 0x4E764566);
    void* chunk = &effect;
    EXPECT_EQ(dispatch(effect, opGetChunk, 1, 0, &chunk), 0);
    EXPECT_EQ(chunk, &effect);
    EXPECT_EQ(dispatch(effect, opSetChunk, 0, 16, &chunk), 0);
}

TEST(Dispatcher, UnknownOpcodesAnswerZero) {
    ProbeEffect effect;  // only the base table is in place
    for (int32_t opcode : {16, 17, 18, 20, 21, 25, 45, 51, 58, 59, 100, -1}) {
        char text[64] = {};
        EXPECT_EQ(dispatch(effect, opcode, 0, 0, text), 0) << opcode;
    }
}

TEST(Dispatcher, NullPointersAreNeverWrittenThrough) {
    ProbeEffect effect;
    TestEditor editor(&effect);
    for (int32_t opcode : {opSetProgramName, opGetProgramName, opGetParamLabel, opGetParamDisplay,
                           opGetParamName, opEditorGetRect, opGetChunk})
        EXPECT_EQ(dispatch(effect, opcode, 0, 0, nullptr), 0) << opcode;
    effect.setEditor(nullptr);
}

TEST(Dispatcher, EditorOpcodesDoNothingWithoutAnEditor) {
    ProbeEffect effect;
    EditorRect* rect = reinterpret_cast<EditorRect*>(&effect);
    EXPECT_EQ(dispatch(effect, opEditorGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, reinterpret_cast<EditorRect*>(&effect));
    EXPECT_EQ(dispatch(effect, opEditorOpen, 0, 0, &effect), 0);
    EXPECT_EQ(dispatch(effect, opEditorClose), 0);
    EXPECT_EQ(dispatch(effect, opEditorIdle), 0);
}

TEST(Dispatcher, EditorOpcodesReachTheEditor) {
    bool editorDestroyed = false;
    {
        ProbeEffect effect;
        auto* editor = new TestEditor(&effect, &editorDestroyed);
        EXPECT_EQ(effect.getRecord()->flags & 1, 1);
        EditorRect* rect = nullptr;
        EXPECT_EQ(dispatch(effect, opEditorGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->right, 302);
        EXPECT_EQ(rect->bottom, 214);
        int parent = 0;
        EXPECT_EQ(dispatch(effect, opEditorOpen, 0, 0, &parent), 1);
        EXPECT_EQ(editor->openedWith, &parent);
        EXPECT_EQ(dispatch(effect, opEditorIdle), 0);
        EXPECT_EQ(editor->updates, 1);  // open asked for an update
        EXPECT_EQ(dispatch(effect, opEditorClose), 0);
        EXPECT_EQ(editor->opens, 1);
        EXPECT_EQ(editor->idles, 1);
        EXPECT_EQ(editor->closes, 1);
    }
    EXPECT_TRUE(editorDestroyed);  // the effect owns its editor
}

TEST(Dispatcher, SetEditorSetsAndClearsTheFlag) {
    ProbeEffect effect;
    TestEditor editor(&effect);
    EXPECT_EQ(effect.getEditor(), &editor);
    EXPECT_EQ(effect.getRecord()->flags, 1);
    effect.setEditor(nullptr);
    EXPECT_EQ(effect.getRecord()->flags, 0);
}
