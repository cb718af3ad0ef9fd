// SPDX-License-Identifier: MIT
// The game editor opened in a window of the test desktop, driven by audio
// blocks and idle calls as a host drives it.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "game/AboutView.h"
#include "game/GameEditor.h"
#include "game/GameView.h"
#include "gui/Bitmap.h"
#include "gui/ValueDisplay.h"
#include "gui/ViewFrame.h"
#include "gui/platform/testdesktop/TestDesktop.h"
#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "tests/support/Canvas.h"

using namespace platform;

namespace {
class EditorSession : public testing::Test {
protected:
    void SetUp() override {
        host = desktop::createHostWindow(302, 214);
        ASSERT_NE(editor(), nullptr);
    }
    void TearDown() override {
        record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
        desktop::destroyHostWindow(host);
    }
    GameEditor* editor() { return static_cast<GameEditor*>(effect.getEditor()); }
    void open() {
        EXPECT_EQ(record->dispatcher(record, opEditorOpen, 0, 0, host, 0.0f), 1);
        desktop::postPaint(frameWindow());
    }
    Window frameWindow() { return editor()->getFrame()->window(); }
    void audioBlock(int frames = 64) {
        size_t count = size_t(frames > 0 ? frames : 1);
        std::vector<float> silence(count), out0(count), out1(count);
        float* in[2] = {silence.data(), silence.data()};
        float* out[2] = {out0.data(), out1.data()};
        record->processReplacing(record, in, out, frames);
    }
    void idle() { record->dispatcher(record, opEditorIdle, 0, 0, nullptr, 0.0f); }
    int32_t steps() { return editor()->getGameView()->world().tileCounter / 2; }
    void click(int x, int y) { desktop::postPress(frameWindow(), msgLeftButtonDown, x, y); }

    GamePlugin effect{nullptr};
    EffectRecord* record = effect.getRecord();
    Window host = nullptr;
};

bool samePixels(Canvas& a, Canvas& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}
}  // namespace

TEST_F(EditorSession, RectangleIsKnownBeforeTheFirstOpen) {
    EditorRect* rect = nullptr;
    EXPECT_EQ(record->dispatcher(record, opEditorGetRect, 0, 0, &rect, 0.0f), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 214);
    EXPECT_EQ(rect->right, 302);
    EXPECT_EQ(record->flags, 0x19);
    EXPECT_EQ(editor()->getBackgroundBitmap(), nullptr);  // nothing loaded to know it
}

TEST_F(EditorSession, OpenBuildsTheTreeAndCloseTakesItDown) {
    open();
    Bitmap* background = editor()->getBackgroundBitmap();
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->pixelWidth(), GameEditor::kWidth);
    EXPECT_EQ(background->pixelHeight(), GameEditor::kHeight);
    EXPECT_EQ(effect.soundEvents().editorOpen, 1);
    ViewFrame* frame = editor()->getFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->getSize(), Rect(0, 0, 302, 214));
    ASSERT_EQ(frame->childCount(), 4);
    EXPECT_EQ(frame->childAt(0), editor()->getGameView());
    EXPECT_EQ(frame->childAt(1), editor()->getScoreDisplay());
    EXPECT_EQ(frame->childAt(2), editor()->getLivesDisplay());
    EXPECT_EQ(frame->childAt(3), editor()->getAboutView());
    EXPECT_EQ(editor()->getAboutView()->getPopupRect(), Rect(41, 57, 261, 157));
    for (int i = 0; i < GameEditor::kBitmapCount; ++i) EXPECT_NE(editor()->bitmapAt(i), nullptr) << i;
    EXPECT_EQ(editor()->bitmapAt(21)->pixelWidth(), 298);
    EXPECT_EQ(editor()->bitmapAt(21)->pixelHeight(), 281);
    EXPECT_EQ(editor()->getScoreDisplay()->getValue(), 0.0f);
    EXPECT_EQ(editor()->getLivesDisplay()->getValue(), 0.0f);

    record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(effect.soundEvents().editorOpen, 0);
    EXPECT_EQ(editor()->getFrame(), nullptr);
    for (int i = 0; i < GameEditor::kBitmapCount; ++i) EXPECT_EQ(editor()->bitmapAt(i), nullptr) << i;
    EXPECT_EQ(editor()->getBackgroundBitmap(), background);
    EXPECT_EQ(background->referenceCount(), 1);  // the frame gave its reference back
    audioBlock();  // a closed editor is left alone
    open();
    EXPECT_NE(editor()->bitmapAt(0), nullptr);
    EXPECT_EQ(editor()->bitmapAt(0)->referenceCount(), 1);
    EXPECT_EQ(editor()->getBackgroundBitmap(), background);
}

TEST_F(EditorSession, DisplaysShowWholeNumbersTruncated) {
    open();
    ValueDisplay* score = editor()->getScoreDisplay();
    Canvas twelve(302, 214), twelvePointNine(302, 214), zero(302, 214);
    score->setValue(12.0f);
    score->paint(twelve.context().get());
    score->setValue(12.9f);
    score->paint(twelvePointNine.context().get());
    score->setValue(0.0f);
    score->paint(zero.context().get());
    EXPECT_TRUE(samePixels(twelve, twelvePointNine));
    EXPECT_FALSE(samePixels(twelve, zero));
}

TEST_F(EditorSession, GameStepsOncePerIdleOnlyAfterAudio) {
    open();
    idle();
    int32_t first = steps();
    for (int i = 0; i < 5; ++i) idle();
    EXPECT_EQ(steps(), first);  // no audio: the game stands still
    for (int i = 0; i < 5; ++i) {
        audioBlock();
        audioBlock();  // two blocks still make one step
        idle();
    }
    EXPECT_EQ(steps(), first + 5);
    EXPECT_EQ(editor()->getLivesDisplay()->getValue(), 5.0f);
    EXPECT_EQ(editor()->getScoreDisplay()->getValue(), 0.0f);
    audioBlock(0);  // an empty block still nudges the views
    idle();
    EXPECT_EQ(steps(), first + 6);
}

TEST_F(EditorSession, AboutPanelPausesTheGameUntilClickedAway) {
    open();
    click(96, 184);
    EXPECT_EQ(editor()->getAboutView()->getValue(), 0.0f);
    click(197, 204);
    EXPECT_EQ(editor()->getAboutView()->getValue(), 1.0f);
    EXPECT_EQ(editor()->getFrame()->getModal(), editor()->getAboutView());
    ColorRef panel = desktop::windowPixel(frameWindow(), 150, 60);
    int32_t before = steps();
    for (int i = 0; i < 4; ++i) {
        audioBlock();
        idle();
    }
    EXPECT_EQ(steps(), before);  // the game and the displays stand still
    click(40, 100);  // outside the panel: nothing
    EXPECT_EQ(editor()->getAboutView()->getValue(), 1.0f);
    click(261, 157);
    EXPECT_EQ(editor()->getAboutView()->getValue(), 0.0f);
    EXPECT_EQ(editor()->getFrame()->getModal(), nullptr);
    EXPECT_EQ(steps(), before + 1);  // the whole window was repainted, the game view too
    EXPECT_NE(desktop::windowPixel(frameWindow(), 150, 60), panel);
    click(97, 184);
    EXPECT_EQ(editor()->getAboutView()->getValue(), 1.0f);
    click(41, 57);
    EXPECT_EQ(editor()->getAboutView()->getValue(), 0.0f);
}

TEST_F(EditorSession, ClosingSilencesTheGame) {
    open();
    SoundEvents& sounds = effect.soundEvents();
    EXPECT_EQ(sounds.planeSoundMode, 0);
    sounds.planeSoundMode = 1;  // as after a hit
    sounds.planeSoundLevel = 1.0f;
    sounds.gunState = 1;
    sounds.enemySoundOn = 1;
    record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(sounds.planeSoundMode, -1);
    EXPECT_EQ(sounds.planeSoundLevel, 0.0f);
    EXPECT_EQ(sounds.gunState, 0);
    EXPECT_EQ(sounds.enemySoundOn, 0);
}

TEST_F(EditorSession, OpeningAgainWithoutACloseMovesTheOneTreeToTheNewWindow) {
    open();
    Bitmap* background = editor()->getBackgroundBitmap();
    auto referenceCounts = [&] {
        std::vector<int32_t> counts{background->referenceCount()};
        for (int i = 0; i < GameEditor::kBitmapCount; ++i)
            counts.push_back(editor()->bitmapAt(i)->referenceCount());
        return counts;
    };
    std::vector<int32_t> onceOpen = referenceCounts();
    Window secondHost = desktop::createHostWindow(302, 214, 500, 50);
    EXPECT_EQ(record->dispatcher(record, opEditorOpen, 0, 0, secondHost, 0.0f), 1);
    EXPECT_EQ(desktop::firstChild(host), nullptr);  // the first frame went with its window
    ASSERT_NE(desktop::firstChild(secondHost), nullptr);
    EXPECT_EQ(frameWindow(), desktop::firstChild(secondHost));
    EXPECT_EQ(editor()->getFrame()->childCount(), 4);
    EXPECT_EQ(editor()->getBackgroundBitmap(), background);
    EXPECT_EQ(referenceCounts(), onceOpen);  // nothing of the first tree holds on
    EXPECT_EQ(effect.soundEvents().editorOpen, 1);

    desktop::postPaint(frameWindow());
    idle();
    int32_t first = steps();
    audioBlock();
    idle();
    EXPECT_EQ(steps(), first + 1);  // one view steps per idle, not two
    record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
    desktop::destroyHostWindow(secondHost);
}

TEST_F(EditorSession, ParameterChangesOnlyRequestUpdatesWhileOpen) {
    effect.setParameter(0, 0.5f);
    EXPECT_TRUE(editor()->isUpdateRequested());  // the effect's own request
    idle();
    editor()->parameterChanged(0, 0.5f);
    EXPECT_FALSE(editor()->isUpdateRequested());
    open();
    idle();
    editor()->parameterChanged(0, 0.5f);
    EXPECT_TRUE(editor()->isUpdateRequested());
}

// The audio thread runs blocks while the interface thread opens and closes
// the editor: a block never touches views that are being destroyed.
TEST_F(EditorSession, AudioBlocksAndEditorCloseHandOverSafely) {
    std::atomic<bool> running{true};
    std::thread audio([&] {
        std::vector<float> silence(32), out0(32), out1(32);
        float* in[2] = {silence.data(), silence.data()};
        float* out[2] = {out0.data(), out1.data()};
        while (running.load()) record->processReplacing(record, in, out, 32);
    });
    for (int i = 0; i < 1000; ++i) {
        record->dispatcher(record, opEditorOpen, 0, 0, host, 0.0f);
        if (i == 0) desktop::postPaint(frameWindow());
        idle();
        record->dispatcher(record, opEditorClose, 0, 0, nullptr, 0.0f);
    }
    running = false;
    audio.join();
    EXPECT_EQ(effect.soundEvents().editorOpen, 0);
}
