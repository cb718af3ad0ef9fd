// SPDX-License-Identifier: MIT
// WAV files made by hand, byte by byte, read as the host reads them: 16-bit
// samples as the fraction of full scale they stand for, floats as they are,
// mono fed to both channels, chunks it does not know skipped.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "host/io/AudioFile.h"

namespace {
// Values as their bytes lie in a file: little-endian, as on every target.
template <typename Value>
std::string bytes(std::initializer_list<Value> values) {
    std::string out;
    for (Value value : values) out.append(reinterpret_cast<const char*>(&value), sizeof value);
    return out;
}
// An odd-sized chunk is followed by a pad byte.
std::string chunk(const char* id, const std::string& body) {
    return id + bytes({uint32_t(body.size())}) + body + std::string(body.size() % 2, '\0');
}
std::string format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    auto align = uint16_t(channels * bits / 8);
    return chunk("fmt ", bytes({tag, channels}) + bytes({rate, rate * align}) + bytes({align, bits}));
}
std::string wav(const std::string& chunks) {
    return "RIFF" + bytes({uint32_t(4 + chunks.size())}) + "WAVE" + chunks;
}

TEST(AudioFile, ReadsHandMadeFilesAsTheSamplesTheyHold) {
    const struct {
        const char* name;
        std::string bytes;
        int rate;
        std::vector<float> left, right;
    } cases[] = {
        {"16-bit stereo after an odd-sized chunk",
         wav(format(1, 2, 8000, 16) + chunk("JUNK", "odd") +
             chunk("data", bytes<int16_t>({-32768, 16384, 32767, -1}))),
         8000, {-1.0f, 0.999969482421875f}, {0.5f, -0.000030517578125f}},
        {"16-bit mono", wav(format(1, 1, 22050, 16) + chunk("data", bytes<int16_t>({-16384, 0, 8192}))),
         22050, {-0.5f, 0.0f, 0.25f}, {-0.5f, 0.0f, 0.25f}},
        {"32-bit float stereo",
         wav(format(3, 2, 48000, 32) + chunk("data", bytes({0.25f, -1.5f, 1e-3f, 0.0f}))),
         48000, {0.25f, 1e-3f}, {-1.5f, 0.0f}},
    };
    for (const auto& c : cases) {
        const std::string path = testing::TempDir() + "hand-made.wav";
        std::ofstream(path, std::ios::binary) << c.bytes;
        StereoAudio audio;
        std::string error;
        ASSERT_TRUE(readAudioFile(path, audio, error)) << c.name << ": " << error;
        EXPECT_EQ(audio.sampleRate, c.rate) << c.name;
        EXPECT_EQ(audio.left, c.left) << c.name;
        EXPECT_EQ(audio.right, c.right) << c.name;
    }
}
}  // namespace
