#include "gui/EditorBase.h"

#include "gui/EditorOwner.h"
#include "gui/ViewFrame.h"
#include "gui/platform/platform.h"

EditorBase::EditorBase(EditorOwner* owner) : owner(owner), lastIdleTime(tickCount()) {
    if (owner) owner->setEditor(this);
}

EditorBase::~EditorBase() = default;

uint32_t EditorBase::tickCount() { return platform::tickCount(); }

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
    // Every key and button the pass reads comes from one reading: one
    // question to the display, and the same answers all through the step.
    platform::beginInputPass(frame ? frame->window() : nullptr);
    // Window systems whose events the module drains itself get them here.
    platform::dispatchPendingMessages();
    if (updateRequested) {
        updateRequested = 0;
        onUpdate();
    }
    if (frame) frame->refreshChanged();
    platform::endInputPass();
}

void EditorBase::onUpdate() {}
void EditorBase::requestUpdate() { updateRequested = 1; }
void EditorBase::parameterChanged(int32_t, float) { requestUpdate(); }

void EditorBase::redrawAll(void*) {
    if (frame) frame->repaintView(nullptr);
}

void EditorBase::throttledIdle() {
    uint32_t now = tickCount();
    // Elapsed time, so the throttle survives the tick counter wrapping.
    if (now - lastIdleTime < 50u) return;
    lastIdleTime = now;
    idle();
    if (owner) owner->hostIdle();
}
