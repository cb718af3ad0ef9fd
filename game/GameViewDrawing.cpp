// SPDX-License-Identifier: MIT
// Drawing the world into the off-screen image and showing its play area.
// Off-screen (x + 64, y + 64) is play-area (x, y); the margin takes what
// sprites stick out and is never shown.

#include "game/GameView.h"
#include "game/GroundTileClip.h"
#include "gui/Bitmap.h"
#include "gui/OffscreenContext.h"

namespace {
constexpr int32_t kPlaneTop = 186;     // off-screen rows 186..208
constexpr int32_t kPlaneBottom = 209;  // a fixed height, not read from the picture
constexpr int32_t kBannerLeft = 80;
constexpr int32_t kEnemyHalf = 8;
constexpr int32_t kCloudSize = 64;
constexpr int32_t kBulletLength = 3;
}  // namespace

void GameView::drawGroundTile(const GroundTile& tile) {
    std::optional<TileBlit> blit = clipGroundTile(tile.x + worldState.scroll, tile.y);
    if (blit) tileBitmaps[tile.bitmapIndex]->blit(offscreen, blit->dest, blit->source);
}

void GameView::drawBanner() {
    int32_t top = worldState.bannerY;
    Rect dest(kBannerLeft, top, kBannerLeft + gameOverBitmap->pixelWidth(),
              top + gameOverBitmap->pixelHeight());
    gameOverBitmap->blitTransparent(offscreen, dest, Point(0, 0));
}

void GameView::drawPlane() {
    int32_t half = planeFrames[0]->pixelWidth() / 2;
    int32_t centre = worldState.planeX + kMargin;
    Rect dest(centre - half, kPlaneTop, centre + half + 1, kPlaneBottom);
    planeFrames[worldState.planeFrame]->blitTransparent(offscreen, dest, Point(0, 0));
}

void GameView::drawCloud(const Cloud& cloud) {
    int32_t left = cloud.x - 2 * worldState.scroll + kMargin;
    int32_t top = cloud.y + kMargin;
    Rect dest(left, top, left + kCloudSize, top + kCloudSize);
    cloudBitmaps[cloud.bitmapIndex]->blitTransparent(offscreen, dest, Point(0, 0));
}

void GameView::drawEnemy(int32_t playX, int32_t y) {
    Rect dest(playX + kMargin - kEnemyHalf, y + kMargin - kEnemyHalf, playX + kMargin + kEnemyHalf,
              y + kMargin + kEnemyHalf);
    enemyBitmap->blitTransparent(offscreen, dest, Point(0, 0));
}

void GameView::drawBullet(const Bullet& bullet) {
    for (int32_t row = 0; row < kBulletLength; ++row)
        offscreen->plotPixel(Point(bullet.x + kMargin, bullet.y + kMargin + row), kWhite);
}

// The view's rectangle is one pixel wider and taller than what is copied;
// that column and row keep what the frame painted.
void GameView::showPlayArea(DrawContext* context) {
    offscreen->blitTo(context, Rect(viewLeft, viewTop, viewLeft + kPlayWidth, viewTop + kPlayHeight),
                      Point(kMargin, kMargin));
}
