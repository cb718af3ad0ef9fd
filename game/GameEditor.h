// SPDX-License-Identifier: MIT
#pragma once
// The plug-in's editor: loads the images, builds the window's view tree on
// open (the game, the score and lives displays, the about panel) and takes
// it down on close. The audio thread's end-of-block updates reach the views
// through it, and never while the tree is being taken down.

#include <atomic>

#include "game/EndOfBlockViews.h"
#include "gui/ControlListener.h"
#include "gui/EditorBase.h"
#include "gui/Geometry.h"

class AboutView;
class Bitmap;
class GameView;
class RandomStream;
struct GameStatus;
struct SoundEvents;
class ValueDisplay;

class GameEditor : public EditorBase, public ControlListener, public EndOfBlockViews {
public:
    static constexpr int32_t kBitmapCount = 23;
    // The background picture's size, which is the editor's.
    static constexpr int16_t kWidth = 302;
    static constexpr int16_t kHeight = 214;
    // The game view's rectangle in the editor window.
    static constexpr Rect kGameRect{66, 19, 236, 172};

    // The game writes `sounds` and draws from `random`, the interface
    // thread's stream; both belong to the effect and outlive the editor.
    GameEditor(EditorOwner* owner, SoundEvents& sounds, RandomStream& random);
    ~GameEditor() override;

    int32_t open(void* parentWindow) override;
    void close() override;
    void parameterChanged(int32_t index, float value) override;
    void valueChanged(DrawContext* context, Control* control) override;
    void updateViews(RandomStream& random) override;

    // The game's state for the project's own status query.
    void fillStatus(GameStatus& status) const;

    GameView* getGameView() const { return gameView; }
    ValueDisplay* getScoreDisplay() const { return scoreDisplay; }
    ValueDisplay* getLivesDisplay() const { return livesDisplay; }
    AboutView* getAboutView() const { return aboutView; }
    Bitmap* getBackgroundBitmap() const { return backgroundBitmap; }
    Bitmap* bitmapAt(int32_t index) const { return bitmaps[index]; }

private:
    void loadImages();
    void releaseImages();

    SoundEvents& sounds;
    RandomStream& random;

    GameView* gameView = nullptr;
    ValueDisplay* scoreDisplay = nullptr;
    ValueDisplay* livesDisplay = nullptr;
    AboutView* aboutView = nullptr;
    Bitmap* bannerBitmap = nullptr;
    Bitmap* backgroundBitmap = nullptr;
    Bitmap* bitmaps[kBitmapCount] = {};

    // The handover between the audio thread's updates and close: the block
    // announces itself and backs off when close has begun; close waits only
    // for a block already inside.
    std::atomic<bool> blockInViews{false};
    std::atomic<bool> closing{true};
};
