// SPDX-License-Identifier: MIT
#include "gui/EditorBase.h"

#include <algorithm>
#include <cmath>

#include "gui/EditorOwner.h"
#include "gui/ViewFrame.h"
#include "gui/platform/platform.h"

EditorBase::EditorBase(EditorOwner* owner) : owner(owner), lastIdleTime(tickCount()) {
    if (owner) owner->setEditor(this);
}

EditorBase::~EditorBase() = default;

uint32_t EditorBase::tickCount() { return platform::tickCount(); }

// Hosts ask before they open the editor, to size their window: the zoom
// is chosen for the screen then, and kept while the editor is open.
int32_t EditorBase::editorRect(EditorRect** out) {
    if (!out) return 0;
    if (!frame) applyZoom(chosenZoom(nullptr));
    *out = &rect;
    return 1;
}

// A parent on a monitor other than the one the rectangle was chosen for
// needs another zoom, which the host must make room for.
int32_t EditorBase::open(void* parent) {
    requestUpdate();
    parentWindow = parent;
    int32_t wanted = chosenZoom(parent);
    if (wanted != zoom && owner && owner->sizeWindow(width * wanted, height * wanted))
        applyZoom(wanted);
    return 0;
}

void EditorBase::setEditorSize(int16_t newWidth, int16_t newHeight) {
    width = newWidth;
    height = newHeight;
    applyZoom(zoom);
}

int32_t EditorBase::zoomForScale(double scale) {
    if (!std::isfinite(scale) || scale < 1.0) return 1;
    return int32_t(std::min(std::floor(scale + 0.5), double(platform::kMaxZoom)));
}

int32_t EditorBase::chosenZoom(void* parent) const {
    if (hostScale > 0.0) return zoomForScale(hostScale);
    return zoomForScale(platform::displayScale(static_cast<platform::Window>(parent)));
}

void EditorBase::applyZoom(int32_t newZoom) {
    zoom = newZoom;
    rect = {0, 0, int16_t(height * zoom), int16_t(width * zoom)};
    if (frame && frame->window()) platform::setWindowZoom(frame->window(), zoom);
}

// The host sized its window for what it asked, so nothing is asked back.
void EditorBase::setHostScale(double scale) {
    hostScale = std::isfinite(scale) && scale > 0.0 ? scale : 0.0;
    applyZoom(chosenZoom(frame ? parentWindow : nullptr));
}

void EditorBase::displayChanged() {
    if (!frame) return;
    int32_t wanted = chosenZoom(parentWindow);
    if (wanted != zoom && owner && owner->sizeWindow(width * wanted, height * wanted))
        applyZoom(wanted);
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
