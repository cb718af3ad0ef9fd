#pragma once
// An effect as a session drives it, whatever kind of file it was loaded
// from: started at a rate and block size, fed audio blocks, showing its
// editor in a window of the host's. Two kinds implement it: a plug-in
// module, and an LV2 plug-in where the platform has lilv.

#include <cstdint>
#include <memory>
#include <string>

#include "interface/GameStatus.h"

class HostedEffect {
public:
    // The effect `name` leads to: an LV2 plug-in's bundle folder or URI, or
    // else a module file; null with `error` naming the cause.
    static std::unique_ptr<HostedEffect> load(const std::string& name, std::string& error);
    static bool namesLv2Plugin(const std::string& name);
    // Closes the effect.
    virtual ~HostedEffect() = default;

    // Ready for audio at `rate` in blocks of up to `block` frames; false with
    // `error` saying why the effect refused. Not while the editor is open.
    virtual bool start(int32_t rate, int32_t block, std::string& error) = 0;
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
