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

void Bitmap::blitTransparent(DrawContext* context, const Rect& destRect, Point srcOffset) {
    if (!image) return;
    Dc dc = context->deviceContext();
    if (!mask) buildMask(dc);
    Pt origin{destRect.left + srcOffset.h, destRect.top + srcOffset.v};

    Dc imageDc = createCompatibleDc(dc);
    Object previousImage = selectObject(imageDc, image);
    int32_t w, h;
    imageSize(imageDc, w, h);

    Dc backDc = createCompatibleDc(dc);
    Dc maskDc = createCompatibleDc(dc);
    Dc compositeDc = createCompatibleDc(dc);
    Dc saveDc = createCompatibleDc(dc);
    Object back = createMonochromeBitmap(w, h);
    Object composite = createCompatibleBitmap(dc, w, h);
    Object save = createCompatibleBitmap(dc, w, h);
    Object previousBack = selectObject(backDc, back);
    Object previousMask = selectObject(maskDc, mask);
    Object previousComposite = selectObject(compositeDc, composite);
    Object previousSave = selectObject(saveDc, save);

    bitBlt(saveDc, 0, 0, w, h, imageDc, 0, 0, ropSrcCopy);
    bitBlt(backDc, 0, 0, w, h, maskDc, 0, 0, ropNotSrcCopy);
    bitBlt(compositeDc, 0, 0, w, h, dc, origin.x, origin.y, ropSrcCopy);
    bitBlt(compositeDc, 0, 0, w, h, maskDc, 0, 0, ropSrcAnd);
    bitBlt(imageDc, 0, 0, w, h, backDc, 0, 0, ropSrcAnd);
    bitBlt(compositeDc, 0, 0, w, h, imageDc, 0, 0, ropSrcPaint);
    bitBlt(dc, origin.x, origin.y, destRect.width(), destRect.height(), compositeDc, srcOffset.h,
           srcOffset.v, ropSrcCopy);
    bitBlt(imageDc, 0, 0, w, h, saveDc, 0, 0, ropSrcCopy);

    selectObject(backDc, previousBack);
    selectObject(maskDc, previousMask);
    selectObject(compositeDc, previousComposite);
    selectObject(saveDc, previousSave);
    selectObject(imageDc, previousImage);
    deleteObject(back);
    deleteObject(composite);
    deleteObject(save);
    deleteDc(backDc);
    deleteDc(maskDc);
    deleteDc(compositeDc);
    deleteDc(saveDc);
    deleteDc(imageDc);
}
