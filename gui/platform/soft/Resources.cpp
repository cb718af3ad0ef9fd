// SPDX-License-Identifier: MIT
// Bitmap resources: the module's .bmp files are compiled into it as a table
// (resources/ResourceTable.h) and decoded here with stb_image into colour
// bitmaps, top row first.

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <climits>

#include "gui/platform/soft/Objects.h"
#include "resources/ResourceTable.h"

namespace platform {

// There is one module per process image here, so the instance is not needed
// to find the table.
Object loadBitmapResource(void*, int32_t id) {
    const EmbeddedResource* resource = embeddedResources;
    while (resource->id != 0 && resource->id != id) ++resource;
    if (resource->id == 0 || resource->size > size_t(INT_MAX)) return nullptr;

    int width = 0, height = 0, channels = 0;
    stbi_uc* rgb = stbi_load_from_memory(resource->bytes, int(resource->size), &width, &height,
                                         &channels, 3);
    if (!rgb) return nullptr;
    soft::BitmapObject* bitmap = soft::newBitmap(width, height, soft::PixelFormat::colour);
    if (bitmap) {
        const stbi_uc* in = rgb;
        for (int y = 0; y < height; ++y) {
            soft::Pixel* out = bitmap->surface.row(y);
            for (int x = 0; x < width; ++x, in += 3) out[x] = soft::Pixel(in[0]) << 16 | in[1] << 8 | in[2];
        }
    }
    stbi_image_free(rgb);
    return bitmap;
}

}  // namespace platform
