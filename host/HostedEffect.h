#pragma once
// An effect as a session drives it, whatever kind of file it was loaded
// from: started at a rate and block size, fed audio blocks, showing its
// editor in a window of the host's. A second kind of plug-in joins by
// implementing this and being chosen in `load`.

#include <cstdint>
#include <memory>
#include <string>

#include "interface/GameStatus.h"

class HostedEffect {
public:
    // The effect in the file at `path`; null with `error` naming the cause.
    static std::unique_ptr<HostedEffect> load(const std::string& path, std::string& error);
    // Closes the effect.
    virtual ~HostedEffect() = default;

    // Ready for audio at `rate` in blocks of up to `block` frames.
    virtual void start(int32_t rate, int32_t block) = 0;
    virtual void stop() = 0;
    // Two channels in, two out, `out` replaced.
    virtual void process(float** in, float** out, int32_t frames) = 0;

    // False when the effect has no editor.
    virtual bool editorSize(int32_t& width, int32_t& height) = 0;
    // Opens the editor inside `parent`: an HWND, or an X11 window id.
    virtual bool openEditor(void* parent) = 0;
    virtual void idleEditor() = 0;
    virtual void closeEditor() = 0;

    // The game's counters, false when the effect does not tell them.
    virtual bool gameStatus(GameStatus& status) = 0;
};
