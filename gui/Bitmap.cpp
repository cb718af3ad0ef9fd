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
    if (image) deleteObject(image);
    if (mask) deleteObject(mask);
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
    Dc imageDc = createCompatibleDc(context->deviceContext());
    Object previous = selectObject(imageDc, image);
    bitBlt(context->deviceContext(), destRect.left, destRect.top, destRect.width(),
           destRect.height(), imageDc, srcOffset.h, srcOffset.v, ropSrcCopy);
    selectObject(imageDc, previous);
    deleteDc(imageDc);
}

// The mask holds 1 where the image is transparent. It is made once, against
// the first context the bitmap is drawn to.
void Bitmap::buildMask(Dc dc) {
    Dc imageDc = createCompatibleDc(dc);
    Object previousImage = selectObject(imageDc, image);
    int32_t w, h;
    imageSize(imageDc, w, h);
    mask = createMonochromeBitmap(w, h);
    Dc maskDc = createCompatibleDc(dc);
    Object previousMask = selectObject(maskDc, mask);
    setMapMode(imageDc, getMapMode(dc));
    ColorRef previousBk = setBkColor(imageDc, kTransparentColor.toColorRef());
    bitBlt(maskDc, 0, 0, w, h, imageDc, 0, 0, ropSrcCopy);
    setBkColor(imageDc, previousBk);
    selectObject(maskDc, previousMask);
    selectObject(imageDc, previousImage);
    deleteDc(maskDc);
    deleteDc(imageDc);
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
// where it is 1: the mask clears the image's place and the image's opaque
// part, cut out on black, is painted in. The image itself is never drawn
// into; the cut-out is a work bitmap of the image's own format.
void Bitmap::blitTransparent(DrawContext* context, const Rect& destRect, Point srcOffset) {
    if (!image) return;
    Dc dc = context->deviceContext();
    if (!mask) buildMask(dc);
    Pt origin{destRect.left + srcOffset.h, destRect.top + srcOffset.v};

    Dc imageDc = createCompatibleDc(dc);
    Object previousImage = selectObject(imageDc, image);
    int32_t w, h;
    imageSize(imageDc, w, h);
    Dc maskDc = createCompatibleDc(dc);
    Dc spriteDc = createCompatibleDc(dc);
    Object sprite = createCompatibleBitmap(imageDc, w, h);
    Object previousMask = selectObject(maskDc, mask);
    Object previousSprite = selectObject(spriteDc, sprite);

    // A new device context turns monochrome 0 into black and 1 into white,
    // so the inverted mask is white where the image shows.
    bitBlt(spriteDc, 0, 0, w, h, maskDc, 0, 0, ropNotSrcCopy);
    bitBlt(spriteDc, 0, 0, w, h, imageDc, 0, 0, ropSrcAnd);
    if (srcOffset == Point(0, 0)) {
        paintInPlace(dc, origin, destRect, maskDc, spriteDc);
    } else {
        paintShifted(dc, origin, destRect, srcOffset, w, h, maskDc, spriteDc);
    }

    selectObject(maskDc, previousMask);
    selectObject(spriteDc, previousSprite);
    selectObject(imageDc, previousImage);
    deleteObject(sprite);
    deleteDc(maskDc);
    deleteDc(spriteDc);
    deleteDc(imageDc);
}
