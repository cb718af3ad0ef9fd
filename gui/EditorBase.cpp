// SPDX-License-Identifier: MIT
#include "gui/EditorBase.h"

#include "gui/EditorOwner.h"
#include "gui/ViewFrame.h"
#include "gui/platform/platform.h"

EditorBase::EditorBase(EditorOwner* owner) : owner(owner), lastIdleTime(tickCount()) {
    if (owner) owner->setEditor(this);
}

EditorBase::~EditorBase() = default;

uint32_t EditorBase::tickCount() { return platform::tickCount(); }

// The zoom is chosen for the screen when the size is set, and again at open
// and when the host's scale or the display changes; this only reports it.
int32_t EditorBase::editorRect(EditorRect** out) {
    if (!out) return 0;
    *out = &rect;
    return 1;
}

int32_t EditorBase::open(void* parent) {
    requestUpdate();
    parentWindow = parent;
    followDisplay();
    return 0;
}

void EditorBase::setEditorSize(int16_t newWidth, int16_t newHeight) {
    width = newWidth;
    height = newHeight;
    applyZoom(displayZoom.choose(nullptr));
}

// A parent on a monitor other than the one the zoom was chosen for needs
// another zoom, which the host must make room for.
void EditorBase::followDisplay() {
    int32_t wanted = displayZoom.choose(static_cast<platform::Window>(parentWindow));
    if (wanted != zoom && owner && owner->sizeWindow(width * wanted, height * wanted))
        applyZoom(wanted);
}

void EditorBase::applyZoom(int32_t newZoom) {
    zoom = newZoom;
    rect = {0, 0, int16_t(height * zoom), int16_t(width * zoom)};
    if (frame && frame->window()) platform::setWindowZoom(frame->window(), zoom);
}

// The host sized its window for what it asked, so nothing is asked back.
void EditorBase::setHostScale(double scale) {
    displayZoom.setHostScale(scale);
    applyZoom(displayZoom.choose(static_cast<platform::Window>(frame ? parentWindow : nullptr)));
}

void EditorBase::displayChanged() {
    if (frame) followDisplay();
}

void* EditorBase::nativeWindow() const {
    return frame && frame->window() ? platform::nativeWindow(frame->window()) : nullptr;
}

bool EditorBase::showWindow(bool visible) {
    return frame && frame->window() && platform::showWindow(frame->window(), visible);
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
