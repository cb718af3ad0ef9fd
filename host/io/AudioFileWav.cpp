// SPDX-License-Identifier: MIT
// WAV reading and writing of our own, for the Windows build of the host.

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "host/io/AudioFile.h"

namespace {
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint16_t read16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t read32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
void put16(std::string& out, uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}
void put32(std::string& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += char((v >> shift) & 0xFF);
}
}  // namespace

bool readAudioFile(const std::string& path, StereoAudio& audio, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::strerror(errno);
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t size = bytes.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        error = "not a WAV file";
        return false;
    }
    uint16_t format = 0, channels = 0, bits = 0;
    const unsigned char* samples = nullptr;
    size_t sampleBytes = 0;
    for (size_t at = 12; at + 8 <= size;) {
        uint32_t length = read32(data + at + 4);
        const unsigned char* body = data + at + 8;
        size_t available = size - at - 8;
        if (length > available) length = uint32_t(available);
        if (std::memcmp(data + at, "fmt ", 4) == 0 && length >= 16) {
            format = read16(body);
            channels = read16(body + 2);
            audio.sampleRate = int(read32(body + 4));
            bits = read16(body + 14);
            if (format == kFormatExtensible && length >= 26) format = read16(body + 24);
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            samples = body;
            sampleBytes = length;
        }
        at += 8 + length + (length & 1);
    }
    bool pcm16 = format == kFormatPcm && bits == 16;
    bool float32 = format == kFormatFloat && bits == 32;
    if (!samples || !(pcm16 || float32) || (channels != 1 && channels != 2)) {
        error = "unsupported format (WAV, 16-bit PCM or 32-bit float, mono or stereo)";
        return false;
    }
    size_t frameBytes = size_t(channels) * (bits / 8);
    size_t frames = sampleBytes / frameBytes;
    audio.left.resize(frames);
    audio.right.resize(frames);
    for (size_t i = 0; i < frames; ++i) {
        for (int channel = 0; channel < 2; ++channel) {
            const unsigned char* p = samples + i * frameBytes + (channel % channels) * (bits / 8);
            float value;
            if (pcm16) {
                value = float(int16_t(read16(p))) / 32768.0f;
            } else {
                uint32_t raw = read32(p);
                std::memcpy(&value, &raw, 4);
            }
            (channel == 0 ? audio.left : audio.right)[i] = value;
        }
    }
    return true;
}

bool writeAudioFile(const std::string& path, const StereoAudio& audio, std::string& error) {
    uint32_t dataBytes = uint32_t(audio.frames() * 8);
    std::string out;
    out.reserve(56 + dataBytes);
    out += "RIFF";
    put32(out, 48 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, kFormatFloat);
    put16(out, 2);
    put32(out, uint32_t(audio.sampleRate));
    put32(out, uint32_t(audio.sampleRate) * 8);
    put16(out, 8);
    put16(out, 32);
    // Readers expect a frame count in every file that is not plain PCM.
    out += "fact";
    put32(out, 4);
    put32(out, uint32_t(audio.frames()));
    out += "data";
    put32(out, dataBytes);
    for (size_t i = 0; i < audio.frames(); ++i) {
        for (float value : {audio.left[i], audio.right[i]}) {
            uint32_t raw;
            std::memcpy(&raw, &value, 4);
            put32(out, raw);
        }
    }
    std::ofstream file(path, std::ios::binary);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    file.write(out.data(), std::streamsize(out.size()));
    if (!file.flush()) {
        error = "could not write all samples";
        return false;
    }
    return true;
}
