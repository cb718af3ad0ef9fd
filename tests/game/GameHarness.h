// SPDX-License-Identifier: MIT
#pragma once
// A game view with sound events and a random stream of its own, as an effect
// would hand them over, painting into a window-sized canvas,
// and a picture of the play area to compare what it shows with what it
// should show.

#include <cstdint>
#include <vector>

#include "game/GameEditor.h"
#include "game/GameView.h"
#include "game/RandomStream.h"
#include "game/SoundEvents.h"
#include "gui/Bitmap.h"
#include "gui/ControlListener.h"
#include "tests/support/Canvas.h"

struct GameViewProbe {
    static GameWorld& world(GameView& view) { return view.worldState; }
};

// The module's pictures; with sprites off, every sprite is a size-only
// stand-in that draws nothing, so only the ground shows.
struct GameBitmaps {
    explicit GameBitmaps(bool withSprites);
    ~GameBitmaps();
    Bitmap* tiles[8];
    Bitmap* planes[8];
    Bitmap* clouds[4];
    Bitmap* enemy;
    Bitmap* banner;
    Bitmap* backdrop;
};

class CountingListener : public ControlListener {
public:
    void valueChanged(DrawContext*, Control*) override { ++calls; }
    int calls = 0;
};

struct GameHarness {
    explicit GameHarness(uint32_t seed, bool withSprites = true);

    void step();
    // As the paint's input poll calls it, with whatever input is held.
    void polledPress(Point where = Point(150, 150));
    // As the frame delivers a click.
    void click(Point where);
    GameWorld& world() { return GameViewProbe::world(view); }
    SoundEvents& sounds() { return soundEvents; }

    SoundEvents soundEvents;
    RandomStream random;
    GameBitmaps bitmaps;
    CountingListener listener;
    Canvas window{302, 214, kMagenta.toColorRef()};
    GameView view;
};

// One game twice from one seed: with its sprites, and with only the ground
// showing, so what a step should show is the ground twin's picture with the
// sprites pasted on in layer order. Clouds are cleared after every step so
// that nothing lies over the sprites a test pastes.
struct TwinGames {
    explicit TwinGames(uint32_t seed) : game(seed, true), ground(seed, false) {}
    template <typename Change>
    void apply(Change change) {
        change(game.world());
        change(ground.world());
    }
    void step();
    GameHarness game;
    GameHarness ground;
};

// A sprite's pixels, read back through an opaque copy.
struct Sprite {
    explicit Sprite(Bitmap* bitmap);
    int32_t width, height;
    std::vector<platform::ColorRef> pixels;
};

// The 169 x 152 pixels the window shows of the play area.
struct PlayPicture {
    explicit PlayPicture(const Canvas& window);
    platform::ColorRef at(int32_t x, int32_t y) const { return pixels[size_t(y * kPlayWidth + x)]; }
    // What a transparent copy at that play-area corner leaves: white stays out.
    void paste(const Sprite& sprite, int32_t left, int32_t top);
    void plot(int32_t x, int32_t y, platform::ColorRef color);
    int32_t differencesFrom(const PlayPicture& other) const;
    std::vector<platform::ColorRef> pixels;
};
