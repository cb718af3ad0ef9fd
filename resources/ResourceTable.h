// SPDX-License-Identifier: MIT
#pragma once
// The bitmap resources compiled into a Linux module: each id's .bmp file,
// byte for byte. The table ends with an entry whose id is 0.
#include <cstddef>

struct EmbeddedResource {
    int id;
    const unsigned char* bytes;
    size_t size;
};

extern const EmbeddedResource embeddedResources[];
