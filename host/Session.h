// SPDX-License-Identifier: MIT
#pragma once
// One effect run the way a host runs it, which every command that shows
// the editor builds on: the effect loaded and started, a window of the
// host's the size its editor asks for, audio blocks streaming on a thread
// of their own, and the interface thread calling the editor idle at 30 Hz.

#include <functional>
#include <memory>
#include <string>

#include "host/AudioStream.h"
#include "host/IdleClock.h"
#include "host/Timing.h"
#include "host/formats/HostedEffect.h"
#include "host/platform/HostWindow.h"

class Session {
public:
    static constexpr int32_t kRate = 44100;
    static constexpr int32_t kBlock = 512;
    static constexpr int32_t kIdleHz = 30;

    // The effect started (rate, block size, resume) with its window open and
    // the editor not yet in it, shown at `zoom` when not 0; null with `error`
    // saying why: the plug-in, an effect without an editor, a zoom it cannot
    // be told, or no window. An editor that tells its size only once open
    // resizes the window then.
    static std::unique_ptr<Session> open(const std::string& module, const char* title,
                                         std::string& error, int32_t zoom = 0);
    Session() = default;
    // Over an effect already started and its window, idling by `clock`.
    Session(std::unique_ptr<HostedEffect> effect, std::unique_ptr<HostWindow> window,
            std::shared_ptr<IdleClock> clock)
        : hosted(std::move(effect)), hostWindow(std::move(window)), clock(std::move(clock)) {}
    ~Session();

    bool openEditor();  // in the window, then the window's first events
    void closeEditor();

    // Streams blocks of `input` through the effect at a sound device's pace,
    // keeping the first `keepFrames` of the output.
    void streamAudio(AudioInput input, size_t keepFrames = 0);
    // Silence streamed to the sound device; when none opens, false with
    // `error` saying why, and the blocks stream on without one.
    bool playAudio(std::string& error);
    void stopAudio();
    // What the audio did; its timing and recording are read once stopped.
    const AudioStream& audio() const { return *stream; }

    // The interface thread: up to `count` editor idles (no end when
    // negative) at 30 Hz, until the window is closed or `beforeIdle` says
    // to stop. `beforeIdle` hears each idle's number after the window's
    // events; a wait for the next tick follows it, except before the first.
    void runIdles(int32_t count, const std::function<bool(int32_t idle)>& beforeIdle = {});
    const Timing& idleTiming() const { return idleTimes; }

    // Stops the audio, closes the editor if open, stops and closes the effect.
    void finish();

    HostedEffect& effect() { return *hosted; }
    HostWindow& window() { return *hostWindow; }

private:
    std::unique_ptr<HostedEffect> hosted;
    std::unique_ptr<HostWindow> hostWindow;
    std::unique_ptr<AudioStream> stream;
    std::shared_ptr<IdleClock> clock = std::make_shared<IdleClock>();
    Timing idleTimes;
    bool editorOpen = false;
};
