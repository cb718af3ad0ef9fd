// SPDX-License-Identifier: MIT
#pragma once
// A draw context whose device context draws into a private image, copied
// to another context in one step with blitTo.

#include "gui/DrawContext.h"

class Bitmap;

class OffscreenContext : public DrawContext {
public:
    // The image is compatible with the parent's device context; it starts as a
    // copy of the bitmap, or black when none is given (20 x 20 then).
    OffscreenContext(DrawContext* parentContext, Bitmap* bitmap);
    // A blank image of that size in the background colour.
    OffscreenContext(ViewFrame* frame, int32_t width, int32_t height, Color background);
    ~OffscreenContext() override;

    void blitTo(DrawContext* destContext, const Rect& destRect, Point srcOffset);
    int32_t imageWidth() const { return width; }
    int32_t imageHeight() const { return height; }

private:
    bool ownsImage = false;
    Bitmap* heldBitmap = nullptr;
    int32_t height = 20;
    int32_t width = 20;
    Color background = kBlack;
    platform::Object image = nullptr;
    platform::Object previousBitmap = nullptr;
};
