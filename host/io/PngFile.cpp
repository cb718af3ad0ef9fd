// SPDX-License-Identifier: MIT
#include "host/io/PngFile.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_FILE_OPEN_WIDE
#include <stb_image_write.h>

#include <cerrno>
#include <cstring>

bool writePng(const std::string& path, const Screenshot& shot, std::string& error) {
    if (shot.width <= 0 || shot.height <= 0) {
        error = "empty picture";
        return false;
    }
    if (!stbi_write_png(path.c_str(), shot.width, shot.height, 3, shot.rgb.data(), shot.width * 3)) {
        error = errno ? std::strerror(errno) : "cannot write the file";
        return false;
    }
    return true;
}
