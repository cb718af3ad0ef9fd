#include "gui/EditorBase.h"

#include "plugin/PluginEffect.h"

EditorBase::EditorBase(PluginEffect* effect) : effect(effect) {
    if (effect) effect->setEditor(this);
}

EditorBase::~EditorBase() = default;

int32_t EditorBase::editorRect(EditorRect** out) {
    if (!out) return 0;
    *out = &rect;
    return 1;
}

int32_t EditorBase::open(void* parent) {
    requestUpdate();
    parentWindow = parent;
    return 0;
}

void EditorBase::close() {}

void EditorBase::idle() {
    if (updateRequested) {
        updateRequested = 0;
        onUpdate();
    }
}

void EditorBase::onUpdate() {}
void EditorBase::requestUpdate() { updateRequested = 1; }
void EditorBase::parameterChanged(int32_t, float) { requestUpdate(); }
void EditorBase::redrawAll(void*) {}
