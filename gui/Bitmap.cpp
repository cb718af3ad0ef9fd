// SPDX-License-Identifier: MIT
#include "gui/Bitmap.h"

#include "gui/DrawContext.h"
#include "gui/ModuleInstance.h"

using namespace platform;

Bitmap::Bitmap(int32_t id) : resourceId(id) {
    image = loadBitmapResource(moduleInstance, id & 0xFFFF);
    if (image && !bitmapSize(image, width, height)) width = height = 0;
}

Bitmap::Bitmap(ViewFrame*, int32_t width, int32_t height) : width(width), height(height) {}

Bitmap::~Bitmap() {
    // The pictures leave their device contexts before they can be deleted.
    heldImage.drop();
    heldMask.drop();
    heldSprite.drop();
    if (image) deleteObject(image);
    if (mask) deleteObject(mask);
    if (sprite) deleteObject(sprite);
}

void Bitmap::HeldDc::hold(Dc compatibleWith, Object picture) {
    dc = createCompatibleDc(compatibleWith);
    previous = selectObject(dc, picture);
}

void Bitmap::HeldDc::drop() {
    if (!dc) return;
    selectObject(dc, previous);
    deleteDc(dc);
    dc = nullptr;
}

Dc Bitmap::imageDc(Dc compatibleWith) {
    if (!heldImage.dc) heldImage.hold(compatibleWith, image);
    return heldImage.dc;
}

void Bitmap::retain() { ++references; }

void Bitmap::release() {
    if (--references == 0) delete this;
}

void Bitmap::imageSize(Dc imageDc, int32_t& w, int32_t& h) const {
    if (!bitmapSize(image, w, h)) w = h = 0;
    Pt extent{w, h};
    dpToLp(imageDc, &extent, 1);
    w = extent.x;
    h = extent.y;
}

void Bitmap::blit(DrawContext* context, const Rect& destRect, Point srcOffset) {
    if (!image) return;
    Dc dc = context->deviceContext();
    bitBlt(dc, destRect.left, destRect.top, destRect.width(), destRect.height(), imageDc(dc),
           srcOffset.h, srcOffset.v, ropSrcCopy);
}

// The mask holds 1 where the image is transparent. It is made once, against
// the first context the bitmap is drawn to, and with it the sprite: a new
// device context turns monochrome 0 into black and 1 into white, so the
// inverted mask is white where the image shows, and ANDed with the image
// it leaves the image's opaque part on black.
void Bitmap::buildMask(Dc dc) {
    Dc source = imageDc(dc);
    int32_t w, h;
    imageSize(source, w, h);
    mask = createMonochromeBitmap(w, h);
    sprite = createCompatibleBitmap(source, w, h);
    if (!mask || !sprite) return;
    heldMask.hold(dc, mask);
    heldSprite.hold(dc, sprite);
    setMapMode(source, getMapMode(dc));
    ColorRef previousBk = setBkColor(source, kTransparentColor.toColorRef());
    bitBlt(heldMask.dc, 0, 0, w, h, source, 0, 0, ropSrcCopy);
    setBkColor(source, previousBk);
    bitBlt(heldSprite.dc, 0, 0, w, h, heldMask.dc, 0, 0, ropNotSrcCopy);
    bitBlt(heldSprite.dc, 0, 0, w, h, source, 0, 0, ropSrcAnd);
}

namespace {
// Unshifted, the context's picture is worked on where it lies. The mask is
// drawn as a new device context draws monochrome, 0 black and 1 white; the
// context's own colours come back afterwards.
void paintInPlace(Dc dc, Pt origin, const Rect& destRect, Dc maskDc, Dc spriteDc) {
    ColorRef text = setTextColor(dc, rgb(0, 0, 0));
    ColorRef background = setBkColor(dc, rgb(255, 255, 255));
    int32_t width = destRect.width(), height = destRect.height();
    bitBlt(dc, origin.x, origin.y, width, height, maskDc, 0, 0, ropSrcAnd);
    bitBlt(dc, origin.x, origin.y, width, height, spriteDc, 0, 0, ropSrcPaint);
    setTextColor(dc, text);
    setBkColor(dc, background);
}

// With a source offset the picture under the image is read at the origin but
// shown shifted by the offset, so it is composed in a work bitmap first.
void paintShifted(Dc dc, Pt origin, const Rect& destRect, Point srcOffset, int32_t w, int32_t h,
                  Dc maskDc, Dc spriteDc) {
    Dc compositeDc = createCompatibleDc(dc);
    Object composite = createCompatibleBitmap(dc, w, h);
    Object previousComposite = selectObject(compositeDc, composite);
    bitBlt(compositeDc, 0, 0, w, h, dc, origin.x, origin.y, ropSrcCopy);
    bitBlt(compositeDc, 0, 0, w, h, maskDc, 0, 0, ropSrcAnd);
    bitBlt(compositeDc, 0, 0, w, h, spriteDc, 0, 0, ropSrcPaint);
    bitBlt(dc, origin.x, origin.y, destRect.width(), destRect.height(), compositeDc, srcOffset.h,
           srcOffset.v, ropSrcCopy);
    selectObject(compositeDc, previousComposite);
    deleteObject(composite);
    deleteDc(compositeDc);
}
}  // namespace

// What shows is the image where the mask is 0 and the context's picture
// where it is 1: the mask clears the image's place and the sprite, the
// image's opaque part cut out on black, is painted in. The image itself is
// never drawn into.
void Bitmap::blitTransparent(DrawContext* context, const Rect& destRect, Point srcOffset) {
    if (!image) return;
    Dc dc = context->deviceContext();
    if (!mask) buildMask(dc);
    if (!heldSprite.dc) return;  // the work pictures could not be made
    Pt origin{destRect.left + srcOffset.h, destRect.top + srcOffset.v};
    if (srcOffset == Point(0, 0)) {
        paintInPlace(dc, origin, destRect, heldMask.dc, heldSprite.dc);
    } else {
        int32_t w, h;
        imageSize(heldImage.dc, w, h);
        paintShifted(dc, origin, destRect, srcOffset, w, h, heldMask.dc, heldSprite.dc);
    }
}
