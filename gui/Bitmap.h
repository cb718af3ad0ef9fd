// SPDX-License-Identifier: MIT
#pragma once
// A picture from the module's resources (or a size-only stand-in), shared by
// reference counting and copied into a context opaque or with white left out.

#include <cstdint>

#include "gui/Geometry.h"
#include "gui/platform/platform.h"

class DrawContext;
class ViewFrame;

class Bitmap {
public:
    explicit Bitmap(int32_t resourceId);
    // No image: only carries a size. The frame is not used.
    Bitmap(ViewFrame* frame, int32_t width, int32_t height);

    int32_t pixelWidth() const { return width; }
    int32_t pixelHeight() const { return height; }
    int32_t referenceCount() const { return references; }
    bool hasImage() const { return image != nullptr; }
    platform::Object imageHandle() const { return image; }

    void retain();
    void release();  // frees the bitmap when the last reference goes

    void blit(DrawContext* context, const Rect& destRect, Point srcOffset);
    void blitTransparent(DrawContext* context, const Rect& destRect, Point srcOffset);

    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

private:
    // A memory device context with one picture selected, kept for the
    // bitmap's life: making and deleting one for every copy costs more than
    // the copy itself on some platforms (Wine).
    struct HeldDc {
        platform::Dc dc = nullptr;
        platform::Object previous = nullptr;
        void hold(platform::Dc compatibleWith, platform::Object picture);
        void drop();
    };

    ~Bitmap();
    platform::Dc imageDc(platform::Dc compatibleWith);
    void buildMask(platform::Dc dc);
    void imageSize(platform::Dc imageDc, int32_t& w, int32_t& h) const;

    int32_t resourceId = 0;
    platform::Object image = nullptr;
    platform::Object mask = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t references = 1;
    // The image cut out on black (black where the mask is 1), made with the mask.
    platform::Object sprite = nullptr;
    HeldDc heldImage, heldMask, heldSprite;
};
