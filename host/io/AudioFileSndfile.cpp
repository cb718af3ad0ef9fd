// SPDX-License-Identifier: MIT
#include <sndfile.h>

#include "host/io/AudioFile.h"

bool readAudioFile(const std::string& path, StereoAudio& audio, std::string& error) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        error = sf_strerror(nullptr);
        return false;
    }
    int major = info.format & SF_FORMAT_TYPEMASK, minor = info.format & SF_FORMAT_SUBMASK;
    bool supported = (major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX) &&
                     (minor == SF_FORMAT_PCM_16 || minor == SF_FORMAT_FLOAT) &&
                     (info.channels == 1 || info.channels == 2);
    if (!supported) {
        sf_close(file);
        error = "unsupported format (WAV, 16-bit PCM or 32-bit float, mono or stereo)";
        return false;
    }
    std::vector<float> interleaved(size_t(info.frames) * size_t(info.channels));
    sf_count_t got = sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    audio.sampleRate = info.samplerate;
    audio.left.resize(size_t(got));
    audio.right.resize(size_t(got));
    for (sf_count_t i = 0; i < got; ++i) {
        audio.left[i] = interleaved[size_t(i) * info.channels];
        audio.right[i] = interleaved[size_t(i) * info.channels + info.channels - 1];
    }
    return true;
}

bool writeAudioFile(const std::string& path, const StereoAudio& audio, std::string& error) {
    SF_INFO info{};
    info.samplerate = audio.sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        error = sf_strerror(nullptr);
        return false;
    }
    std::vector<float> interleaved(audio.frames() * 2);
    for (size_t i = 0; i < audio.frames(); ++i) {
        interleaved[2 * i] = audio.left[i];
        interleaved[2 * i + 1] = audio.right[i];
    }
    sf_count_t written = sf_writef_float(file, interleaved.data(), sf_count_t(audio.frames()));
    int closed = sf_close(file);
    if (written != sf_count_t(audio.frames()) || closed != 0) {
        error = "could not write all samples";
        return false;
    }
    return true;
}
