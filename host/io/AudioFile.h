// SPDX-License-Identifier: MIT
#pragma once
// WAV files as the host reads and writes them: 16-bit PCM or 32-bit float in,
// mono or stereo; 32-bit float stereo out. Samples are kept as two channels
// (a mono file is fed to both).

#include <string>
#include <vector>

struct StereoAudio {
    int sampleRate = 44100;
    std::vector<float> left;
    std::vector<float> right;
    size_t frames() const { return left.size(); }
};

// False with `error` naming the cause when the file is missing, unreadable or
// of a kind not supported.
bool readAudioFile(const std::string& path, StereoAudio& audio, std::string& error);
bool writeAudioFile(const std::string& path, const StereoAudio& audio, std::string& error);
