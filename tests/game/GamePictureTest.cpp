// SPDX-License-Identifier: MIT
// The composed picture: the ground covering the play area at every scroll,
// and the window showing exactly the play area of the off-screen image.

#include <gtest/gtest.h>

#include <algorithm>

#include "game/GroundTileClip.h"
#include "gui/OffscreenContext.h"
#include "tests/game/GameHarness.h"

namespace {
// A tile row's y when it is drawn, after `steps` steps: 2 pixels down per
// step, back to 213 once it has left at the bottom.
int32_t rowYAfter(int32_t startY, int32_t steps) {
    int32_t y = startY - 2 * steps;
    while (y < -169) y += 384;
    return y;
}

// Whether intervals [from, to) together cover [0, length).
bool covers(std::vector<std::pair<int32_t, int32_t>> spans, int32_t length) {
    std::sort(spans.begin(), spans.end());
    int32_t reached = 0;
    for (auto [from, to] : spans)
        if (from <= reached) reached = std::max(reached, to);
    return reached >= length;
}
}  // namespace

// Below a tile's bottom edge the copy runs off its picture, which copies
// nothing; the ground pixel test shows that.
TEST(GamePicture, TileCopiesAreTheTilesCutToThePlayArea) {
    for (int32_t scroll = -30; scroll <= 28; ++scroll) {
        for (int32_t tileX : {42, -85}) {
            int32_t tx = tileX + scroll;
            for (int32_t ty = -171; ty <= 213; ++ty) {
                Rect square(64 - tx, 64 - ty, 192 - tx, 192 - ty);
                Rect cut(std::max(square.left, 64), std::max(square.top, 64),
                         std::min(square.right, 233), std::min(square.bottom, 216));
                std::optional<TileBlit> blit = clipGroundTile(tx, ty);
                if (cut.top >= cut.bottom) {
                    EXPECT_TRUE(!blit || blit->dest.height() == 0) << tx << "," << ty;
                    continue;
                }
                ASSERT_TRUE(blit) << tx << "," << ty;
                Rect expected = cut;
                if (ty < 0) expected.bottom = kPlayAreaOffscreen.bottom;
                EXPECT_EQ(blit->dest, expected) << tx << "," << ty;
                EXPECT_EQ(blit->source, Point(cut.left - square.left, cut.top - square.top));
            }
        }
    }
}

TEST(GamePicture, TheSixTilesCoverThePlayAreaAtEveryScrollAndRow) {
    for (int32_t scroll = -30; scroll <= 28; ++scroll) {
        std::vector<std::pair<int32_t, int32_t>> columns;
        for (int32_t tileX : {42, -85})
            if (auto blit = clipGroundTile(tileX + scroll, 0))
                columns.push_back({blit->dest.left - 64, blit->dest.right - 64});
        EXPECT_TRUE(covers(columns, kPlayWidth)) << scroll;
    }
    for (int32_t steps = 0; steps < 192; ++steps) {
        std::vector<std::pair<int32_t, int32_t>> rows;
        for (int32_t startY : {213, 85, -43})
            if (auto blit = clipGroundTile(12, rowYAfter(startY, steps)))
                rows.push_back({blit->dest.top - 64, blit->dest.bottom - 64});
        EXPECT_TRUE(covers(rows, kPlayHeight)) << steps;
    }
}

// A full cycle of the rows, each scroll at least three times.
TEST(GamePicture, TheGroundShowsItsTilesWhereTheyLieAtEveryScroll) {
    GameHarness h(12, false);
    for (int32_t steps = 0; steps < 192; ++steps) {
        int32_t scroll = -30 + steps % 59;
        h.world().scroll = scroll;
        auto tiles = h.view.world().tiles;
        h.step();
        Canvas reference(302, 214);
        auto context = reference.context();
        for (const GroundTile& tile : tiles) {
            Rect square(0, 0, 128, 128);
            const Rect& gameRect = GameEditor::kGameRect;
            square.offsetBy(gameRect.left - (tile.x + scroll), gameRect.top - tile.y);
            h.bitmaps.tiles[tile.bitmapIndex]->blit(context.get(), square, Point(0, 0));
        }
        EXPECT_EQ(PlayPicture(h.window).differencesFrom(PlayPicture(reference)), 0)
            << "scroll " << scroll << ", step " << steps;
    }
    for (const GroundTile& tile : h.view.world().tiles) {
        EXPECT_GE(tile.bitmapIndex, 0);
        EXPECT_LE(tile.bitmapIndex, 7);
    }
    for (int i = 192; i < 384; ++i) h.step();
    EXPECT_EQ(h.view.world().tileCounter, 0);
    for (int32_t i = 0; i < kTileCount; ++i)
        EXPECT_EQ(h.view.world().tiles[size_t(i)].y, kInitialGround[size_t(i)].y);
}

TEST(GamePicture, TheWindowShowsExactlyThePlayAreaOfTheOffscreenImage) {
    GameHarness h(13);
    h.world().enemies[1] = Enemy{80, 140, 1};  // sticks out at the bottom
    h.world().clouds[0] = Cloud{-30, 120, 2, 1};
    for (int i = 0; i < 3; ++i) {
        h.polledPress();
        h.step();
    }
    platform::Dc image = h.view.offscreenContext()->deviceContext();
    int32_t differences = 0;
    for (int32_t y = 0; y < kPlayHeight; ++y)
        for (int32_t x = 0; x < kPlayWidth; ++x) {
            if (h.window.pixel(66 + x, 19 + y) != platform::getPixel(image, 64 + x, 64 + y))
                ++differences;
        }
    EXPECT_EQ(differences, 0);
    platform::ColorRef magenta = kMagenta.toColorRef();
    // The view's last column and row and everything around keep the frame's paint.
    EXPECT_EQ(h.window.countOther(235, 19, 236, 173, magenta), 0);
    EXPECT_EQ(h.window.countOther(66, 171, 236, 172, magenta), 0);
    EXPECT_EQ(h.window.countOther(65, 18, 236, 19, magenta), 0);
    EXPECT_EQ(h.window.countOther(65, 18, 66, 172, magenta), 0);
    EXPECT_EQ(h.window.countOther(66, 19, 235, 171, magenta), 169 * 152);
}

TEST(GamePicture, SpritePicturesHaveWhiteToLeaveOut) {
    GameBitmaps bitmaps(true);
    for (Bitmap* bitmap : {bitmaps.planes[0], bitmaps.planes[5], bitmaps.enemy, bitmaps.banner,
                           bitmaps.clouds[0]}) {
        Sprite sprite(bitmap);
        ASSERT_GT(sprite.width, 0);
        auto white = std::count(sprite.pixels.begin(), sprite.pixels.end(), colorref::white);
        EXPECT_GT(white, 0);
        EXPECT_LT(white, sprite.width * sprite.height);
    }
}
