// SPDX-License-Identifier: MIT
#include "tests/game/GameHarness.h"

namespace {
Bitmap* spriteOrStandIn(bool real, int32_t id, int32_t width, int32_t height) {
    return real ? new Bitmap(id) : new Bitmap(nullptr, width, height);
}
}  // namespace

GameBitmaps::GameBitmaps(bool withSprites) {
    for (int32_t i = 0; i < 8; ++i) tiles[i] = new Bitmap(134 + i);
    planes[0] = spriteOrStandIn(withSprites, 129, 15, 23);
    for (int32_t i = 1; i < 8; ++i) planes[i] = spriteOrStandIn(withSprites, 255 + i, 15, 23);
    for (int32_t i = 0; i < 4; ++i) clouds[i] = spriteOrStandIn(withSprites, 130 + i, 64, 64);
    enemy = spriteOrStandIn(withSprites, 512, 16, 16);
    banner = spriteOrStandIn(withSprites, 601, 140, 32);
    backdrop = new Bitmap(nullptr, 298, 281);
}

GameBitmaps::~GameBitmaps() {
    for (Bitmap* bitmap : tiles) bitmap->release();
    for (Bitmap* bitmap : planes) bitmap->release();
    for (Bitmap* bitmap : clouds) bitmap->release();
    enemy->release();
    banner->release();
    backdrop->release();
}

GameHarness::GameHarness(uint32_t seed, bool withSprites)
    : random(seed),
      bitmaps(withSprites),
      view(soundEvents, random, GameEditor::kGameRect, &listener, bitmaps.tiles,
           bitmaps.backdrop) {
    view.setPlaneFrames(bitmaps.planes);
    view.setCloudBitmaps(bitmaps.clouds);
    view.setEnemyBitmap(bitmaps.enemy);
    view.setGameOverBitmap(bitmaps.banner);
}

void GameHarness::step() { view.paint(window.context().get()); }

void GameHarness::polledPress(Point where) {
    world().polledInput = 1;
    view.onMouseDown(window.context().get(), where);
}

void GameHarness::click(Point where) { view.onMouseDown(window.context().get(), where); }

void TwinGames::step() {
    game.step();
    ground.step();
    apply([](GameWorld& world) { world.clouds.fill(Cloud{}); });
}

Sprite::Sprite(Bitmap* bitmap) : width(bitmap->pixelWidth()), height(bitmap->pixelHeight()) {
    Canvas scratch(width, height);
    bitmap->blit(scratch.context().get(), Rect(0, 0, width, height), Point(0, 0));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) pixels.push_back(scratch.pixel(x, y));
}

PlayPicture::PlayPicture(const Canvas& window) {
    for (int32_t y = 0; y < kPlayHeight; ++y)
        for (int32_t x = 0; x < kPlayWidth; ++x)
            pixels.push_back(window.pixel(GameEditor::kGameRect.left + x,
                                          GameEditor::kGameRect.top + y));
}

void PlayPicture::paste(const Sprite& sprite, int32_t left, int32_t top) {
    for (int32_t y = 0; y < sprite.height; ++y)
        for (int32_t x = 0; x < sprite.width; ++x) {
            platform::ColorRef color = sprite.pixels[size_t(y * sprite.width + x)];
            if (color != colorref::white) plot(left + x, top + y, color);
        }
}

void PlayPicture::plot(int32_t x, int32_t y, platform::ColorRef color) {
    if (x >= 0 && x < kPlayWidth && y >= 0 && y < kPlayHeight)
        pixels[size_t(y * kPlayWidth + x)] = color;
}

int32_t PlayPicture::differencesFrom(const PlayPicture& other) const {
    int32_t count = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] != other.pixels[i]) ++count;
    return count;
}
