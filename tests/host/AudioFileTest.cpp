// WAV files made by hand, byte by byte, read as the host reads them: 16-bit
// samples as the fraction of full scale they stand for, floats as they are,
// mono fed to both channels, chunks it does not know skipped.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "host/platform/AudioFile.h"

namespace {
std::string little(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += char(value >> (8 * i) & 0xFF);
    return out;
}
std::string pcm16(std::initializer_list<int16_t> samples) {
    std::string out;
    for (int16_t sample : samples) out += little(uint16_t(sample), 2);
    return out;
}
std::string float32(std::initializer_list<float> samples) {
    std::string out;
    for (float sample : samples) out += little(std::bit_cast<uint32_t>(sample), 4);
    return out;
}
// An odd-sized chunk is followed by a pad byte.
std::string chunk(const char* id, const std::string& body) {
    return id + little(uint32_t(body.size()), 4) + body + std::string(body.size() % 2, '\0');
}
std::string format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    uint16_t align = uint16_t(channels * bits / 8);
    return chunk("fmt ", little(tag, 2) + little(channels, 2) + little(rate, 4) +
                             little(rate * align, 4) + little(align, 2) + little(bits, 2));
}
std::string wav(const std::string& chunks) {
    return "RIFF" + little(uint32_t(4 + chunks.size()), 4) + "WAVE" + chunks;
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
             chunk("data", pcm16({-32768, 16384, 32767, -1}))),
         8000, {-1.0f, 0.999969482421875f}, {0.5f, -0.000030517578125f}},
        {"16-bit mono", wav(format(1, 1, 22050, 16) + chunk("data", pcm16({-16384, 0, 8192}))),
         22050, {-0.5f, 0.0f, 0.25f}, {-0.5f, 0.0f, 0.25f}},
        {"32-bit float stereo",
         wav(format(3, 2, 48000, 32) + chunk("data", float32({0.25f, -1.5f, 1e-3f, 0.0f}))),
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
