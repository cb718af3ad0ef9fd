// SPDX-License-Identifier: MIT
#include "gui/OffscreenContext.h"

#include "gui/Bitmap.h"
#include "gui/ViewFrame.h"

using namespace platform;

OffscreenContext::OffscreenContext(DrawContext* parentContext, Bitmap* bitmap)
    : DrawContext(parentContext->frame(), nullptr, nullptr) {
    if (bitmap) {
        width = bitmap->pixelWidth();
        height = bitmap->pixelHeight();
    }
    dc = createCompatibleDc(parentContext->deviceContext());
    image = createCompatibleBitmap(parentContext->deviceContext(), width, height);
    if (!image) return;
    ownsImage = true;
    previousBitmap = selectObject(dc, image);
    if (bitmap) {
        bitmap->blit(this, Rect(0, 0, width, height), Point(0, 0));
    } else {
        setBrushColor(kBlack);
        fillRectInner(Rect(0, 0, width, height));
    }
}

OffscreenContext::OffscreenContext(ViewFrame* frame, int32_t width, int32_t height,
                                   Color background)
    : DrawContext(frame, nullptr, nullptr), height(height), width(width), background(background) {
    Window window = frame ? frame->window() : nullptr;
    Dc windowDc = getDc(window);
    dc = createCompatibleDc(windowDc);
    image = createCompatibleBitmap(windowDc, width, height);
    releaseDc(window, windowDc);
    if (!image) return;
    ownsImage = true;
    previousBitmap = selectObject(dc, image);
    setBrushColor(background);
    setPenColor(background);
    fillRectInner(Rect(0, 0, width, height));
    outlineRect(Rect(0, 0, width, height));
}

OffscreenContext::~OffscreenContext() {
    if (heldBitmap) heldBitmap->release();
    // The image must leave the device context before it can be deleted.
    if (dc) {
        if (previousBitmap) selectObject(dc, previousBitmap);
        deleteDc(dc);
        dc = nullptr;
    }
    if (ownsImage && image) deleteObject(image);
}

void OffscreenContext::blitTo(DrawContext* destContext, const Rect& destRect, Point srcOffset) {
    bitBlt(destContext->deviceContext(), destRect.left, destRect.top, destRect.width(),
           destRect.height(), dc, srcOffset.h, srcOffset.v, ropSrcCopy);
}
