// SPDX-License-Identifier: MIT
#include "game/GameEditor.h"

#include <cstdio>
#include <new>
#include <thread>

#include "game/AboutView.h"
#include "game/GameView.h"
#include "game/RandomStream.h"
#include "game/SoundEvents.h"
#include "gui/Bitmap.h"
#include "gui/ValueDisplay.h"
#include "gui/ViewFrame.h"
#include "interface/GameStatus.h"

namespace {
constexpr Rect kScoreRect(250, 66, 292, 83);
constexpr Rect kLivesRect(250, 108, 292, 125);
constexpr Rect kAboutHotSpot(97, 184, 197, 204);
constexpr Color kDisplayFill{39, 40, 45, 0};

enum BitmapIndex {
    kGroundFirst = 0,
    kEnemy = 8,
    kCloudFirst = 9,
    kPlaneFirst = 13,
    kBackdrop = 21,
    kAboutPanel = 22,
};

// The displays show whole numbers, truncated toward zero.
void formatWholeNumber(float value, char* text) {
    std::snprintf(text, 256, "%d", static_cast<int>(value));
}

ValueDisplay* makeDisplay(const Rect& where, Bitmap* background) {
    auto* display = new ValueDisplay(where, background, 0);
    display->setBackgroundOffset(Point(where.left, where.top));
    display->setDisplayAlignment(1);
    display->setDisplayFont(4);
    display->setDisplayInk(kBlack);
    display->setDisplayFill(kDisplayFill);
    display->setDisplayEdge(kDisplayFill);
    display->setValue(0.0f);
    display->setFormatter(formatWholeNumber);
    return display;
}
}  // namespace

// Nothing is loaded until the first open: hosts make and size effects far
// more often than they show them.
GameEditor::GameEditor(EditorOwner* owner, SoundEvents& sounds, RandomStream& random)
    : EditorBase(owner), sounds(sounds), random(random) {
    setEditorSize(kWidth, kHeight);
}

GameEditor::~GameEditor() {
    if (frame) close();
    if (backgroundBitmap) backgroundBitmap->release();
}

void GameEditor::loadImages() {
    auto load = [this](int32_t index, int32_t id) {
        if (!bitmaps[index]) bitmaps[index] = new Bitmap(id);
    };
    for (int32_t i = 0; i < 4; ++i) load(kCloudFirst + i, 130 + i);
    load(kEnemy, 512);
    for (int32_t i = 0; i < 8; ++i) load(kGroundFirst + i, 134 + i);
    load(kPlaneFirst, 129);
    for (int32_t i = 0; i < 7; ++i) load(kPlaneFirst + 1 + i, 256 + i);
    if (!bitmaps[kBackdrop]) bitmaps[kBackdrop] = new Bitmap(nullptr, 298, 281);
    load(kAboutPanel, 600);
    if (!bannerBitmap) bannerBitmap = new Bitmap(601);
}

void GameEditor::releaseImages() {
    auto drop = [](Bitmap*& bitmap) {
        if (bitmap) bitmap->release();
        bitmap = nullptr;
    };
    drop(bitmaps[kBackdrop]);
    for (int32_t i = 0; i < 8; ++i) drop(bitmaps[kGroundFirst + i]);
    for (int32_t i = 0; i < 4; ++i) drop(bitmaps[kCloudFirst + i]);
    for (int32_t i = 0; i < 8; ++i) drop(bitmaps[kPlaneFirst + i]);
    drop(bitmaps[kEnemy]);
    drop(bitmaps[kAboutPanel]);
    drop(bannerBitmap);
}

int32_t GameEditor::open(void* parent) {
    // A host that opens again without closing gets one tree, in the new
    // window; the old one goes with its window, so it cannot step the game.
    if (frame) close();
    EditorBase::open(parent);
    if (!backgroundBitmap) backgroundBitmap = new Bitmap(128);
    loadImages();
    // The window is exactly the rectangle hosts are told (at the zoom),
    // so a host that sizes its window from it shows no strip beside the picture.
    frame = new ViewFrame(Rect(0, 0, kWidth, kHeight), parent, this);
    frame->setBackgroundBitmap(backgroundBitmap);

    gameView = new GameView(sounds, random, kGameRect, this, bitmaps, bitmaps[kBackdrop]);
    gameView->setPlaneFrames(&bitmaps[kPlaneFirst]);
    gameView->setCloudBitmaps(&bitmaps[kCloudFirst]);
    gameView->setEnemyBitmap(bitmaps[kEnemy]);
    gameView->setGameOverBitmap(bannerBitmap);
    frame->attachChild(gameView);

    scoreDisplay = makeDisplay(kScoreRect, backgroundBitmap);
    frame->attachChild(scoreDisplay);
    livesDisplay = makeDisplay(kLivesRect, backgroundBitmap);
    frame->attachChild(livesDisplay);

    Bitmap* panel = bitmaps[kAboutPanel];
    Rect panelRect(0, 0, panel->pixelWidth(), panel->pixelHeight());
    panelRect.offsetBy((302 - panel->pixelWidth()) / 2, (214 - panel->pixelHeight()) / 2);
    aboutView = new AboutView(kAboutHotSpot, this, 1, panel, panelRect, Point(0, 0), Point(0, 12));
    frame->attachChild(aboutView);

    closing.store(false);
    sounds.editorOpen = 1;
    return 1;
}

void GameEditor::close() {
    sounds.editorOpen = 0;
    closing.store(true);
    while (blockInViews.load()) std::this_thread::yield();
    if (frame) {
        delete frame;
        frame = nullptr;
    }
    gameView = nullptr;
    scoreDisplay = livesDisplay = nullptr;
    aboutView = nullptr;
    releaseImages();
}

void GameEditor::parameterChanged(int32_t, float) {
    if (frame) requestUpdate();
}

// The editor's views report their changes here; none needs an answer.
void GameEditor::valueChanged(DrawContext*, Control*) {}

void GameEditor::updateViews(RandomStream& audioRandom) {
    blockInViews.store(true);
    if (!closing.load() && bitmaps[kGroundFirst] && gameView) {
        gameView->setValue(float(audioRandom.next() * 15.0 / 32767.0));
        if (scoreDisplay) scoreDisplay->setValue(float(gameView->score()));
        if (livesDisplay) livesDisplay->setValue(float(gameView->lives()));
    }
    blockInViews.store(false);
}

void GameEditor::fillStatus(GameStatus& status) const {
    status.editorOpen = sounds.editorOpen;
    status.steps = gameView ? gameView->stepCount() : 0;
    status.score = gameView ? gameView->score() : 0;
    status.lives = gameView ? gameView->lives() : 0;
    status.gameOvers = gameView ? gameView->gameOverCount() : 0;
}
