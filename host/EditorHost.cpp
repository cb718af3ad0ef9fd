#include "host/EditorHost.h"

#include "interface/EditorRect.h"
#include "interface/Opcodes.h"

std::unique_ptr<EditorHost> EditorHost::prepare(const std::string& module, const char* title,
                                                std::string& error) {
    auto host = std::make_unique<EditorHost>();
    host->effect = HostedEffect::create(module, error);
    if (!host->effect) return nullptr;
    EditorRect* rect = nullptr;
    if (!(host->effect->record().flags & 1) ||
        !host->effect->dispatch(opEditorGetRect, 0, 0, &rect) || !rect) {
        error = "the effect has no editor";
        return nullptr;
    }
    host->window = HostWindow::create(rect->right - rect->left, rect->bottom - rect->top, title,
                                      error);
    if (!host->window) return nullptr;
    host->effect->dispatch(opOpen);
    host->effect->dispatch(opSetSampleRate, 0, 0, nullptr, float(kRate));
    host->effect->dispatch(opSetBlockSize, 0, kBlock);
    host->effect->dispatch(opSuspendResume, 0, 1);
    return host;
}

EditorHost::~EditorHost() { finish(); }

bool EditorHost::openEditor() {
    bool opened = effect->dispatch(opEditorOpen, 0, 0, window->parentHandle()) != 0;
    editorOpen = true;
    window->pumpEvents();
    return opened;
}

void EditorHost::closeEditor() {
    effect->dispatch(opEditorClose);
    editorOpen = false;
}

void EditorHost::finish() {
    if (!effect) return;
    if (editorOpen) closeEditor();
    effect->dispatch(opSuspendResume, 0, 0);
    effect->close();
    effect.reset();
}
