#pragma once
// An effect started as a host starts it (open, rate, block size, resume),
// with a window of its own the size its editor asks for.

#include <memory>
#include <string>

#include "host/HostWindow.h"
#include "host/HostedEffect.h"

struct EditorHost {
    static constexpr int32_t kRate = 44100;
    static constexpr int32_t kBlock = 512;

    // Null with `error` saying why: the module, an effect without an editor,
    // or no window.
    static std::unique_ptr<EditorHost> prepare(const std::string& module, const char* title,
                                               std::string& error);
    ~EditorHost();

    bool openEditor();   // opcode 14 with the window, then its first events
    void closeEditor();  // opcode 15
    // Suspends and closes the effect, the editor first if it is open.
    void finish();

    std::unique_ptr<HostedEffect> effect;
    std::unique_ptr<HostWindow> window;
    bool editorOpen = false;
};
