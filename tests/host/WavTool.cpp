// SPDX-License-Identifier: MIT
// Test helper: `make FILE pcm16|float mono|stereo FRAMES [RATE]` writes a
// test signal (44100 Hz unless RATE is given); `same IN OUT [RATE]` checks
// that OUT (stereo) holds exactly IN's samples at RATE, or at IN's rate;
// `pixel FILE.png X Y` prints a picture's pixel as R G B.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "host/io/AudioFile.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace {
void put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

int make(const char* path, bool pcm16, int channels, int frames, uint32_t rate) {
    int bits = pcm16 ? 16 : 32;
    uint32_t dataBytes = uint32_t(frames * channels * bits / 8);
    std::string out = "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, pcm16 ? 1 : 3, 2);
    put(out, uint32_t(channels), 2);
    put(out, rate, 4);
    put(out, rate * uint32_t(channels * bits / 8), 4);
    put(out, uint32_t(channels * bits / 8), 2);
    put(out, uint32_t(bits), 2);
    out += "data";
    put(out, dataBytes, 4);
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            double value = 0.6 * std::sin(i * (0.01 + 0.03 * c)) + (i % 5) * 0.01;
            if (pcm16) {
                put(out, uint32_t(uint16_t(int16_t(std::lround(value * 32000)))), 2);
            } else {
                float sample = float(value);
                uint32_t raw;
                std::memcpy(&raw, &sample, 4);
                put(out, raw, 4);
            }
        }
    }
    std::ofstream(path, std::ios::binary).write(out.data(), std::streamsize(out.size()));
    return 0;
}

int same(const char* inPath, const char* outPath, int rate) {
    StereoAudio in, out;
    std::string error;
    if (!readAudioFile(inPath, in, error) || !readAudioFile(outPath, out, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const int expectedRate = rate ? rate : in.sampleRate;
    if (out.sampleRate != expectedRate) {
        std::fprintf(stderr, "the output is at %d Hz, expected %d\n", out.sampleRate, expectedRate);
        return 1;
    }
    if (in.frames() != out.frames() || in.frames() == 0) {
        std::fprintf(stderr, "frame counts differ: %zu and %zu\n", in.frames(), out.frames());
        return 1;
    }
    for (size_t i = 0; i < in.frames(); ++i) {
        if (in.left[i] != out.left[i] || in.right[i] != out.right[i]) {
            std::fprintf(stderr, "frame %zu differs\n", i);
            return 1;
        }
    }
    std::printf("%zu frames equal at %d Hz\n", in.frames(), out.sampleRate);
    return 0;
}
}  // namespace

int pixel(const char* path, int x, int y) {
    int width = 0, height = 0, channels = 0;
    unsigned char* data = stbi_load(path, &width, &height, &channels, 3);
    if (!data) {
        std::fprintf(stderr, "%s: cannot read the picture\n", path);
        return 1;
    }
    bool inside = x >= 0 && y >= 0 && x < width && y < height;
    if (inside) {
        const unsigned char* p = data + (size_t(y) * size_t(width) + size_t(x)) * 3;
        std::printf("%d %d %d\n", p[0], p[1], p[2]);
    }
    stbi_image_free(data);
    return inside ? 0 : 1;
}

int main(int argc, char** argv) {
    if ((argc == 6 || argc == 7) && std::strcmp(argv[1], "make") == 0)
        return make(argv[2], std::strcmp(argv[3], "pcm16") == 0,
                    std::strcmp(argv[4], "mono") == 0 ? 1 : 2, std::atoi(argv[5]),
                    argc == 7 ? uint32_t(std::atoi(argv[6])) : 44100u);
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "same") == 0)
        return same(argv[2], argv[3], argc == 5 ? std::atoi(argv[4]) : 0);
    if (argc == 5 && std::strcmp(argv[1], "pixel") == 0)
        return pixel(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    std::fprintf(stderr,
                 "usage: wav-tool make FILE pcm16|float mono|stereo FRAMES [RATE] | "
                 "same IN OUT [RATE] | pixel FILE X Y\n");
    return 2;
}
