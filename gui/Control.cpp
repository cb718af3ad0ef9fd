// SPDX-License-Identifier: MIT
#include "gui/Control.h"

#include "gui/EditorBase.h"
#include "gui/ViewFrame.h"

Control::Control(const Rect& size, ControlListener* listener, int32_t tag)
    : View(size), listener(listener), tag(tag) {}

Control::~Control() = default;

// Exact comparison: a value that is not a number never counts as changed.
void Control::refresh(DrawContext* context) {
    float current = value;
    float drawn = drawnValue;
    if (current != drawn && current == current) {
        paint(context);
        drawnValue = current;
    }
}

void Control::keepIdle() {
    if (frame && frame->getEditor()) frame->getEditor()->throttledIdle();
}

void Control::setValue(float newValue) { value = newValue; }
float Control::getValue() const { return value; }
void Control::setMinimum(float newMinimum) { minimum = newMinimum; }
float Control::getMinimum() const { return minimum; }
void Control::setMaximum(float newMaximum) { maximum = newMaximum; }
float Control::getMaximum() const { return maximum; }
void Control::setDrawnValue(float newDrawnValue) { drawnValue = newDrawnValue; }
float Control::getDrawnValue() const { return drawnValue; }
void Control::setResetValue(float newResetValue) { resetValue = newResetValue; }
float Control::getResetValue() const { return resetValue; }
void Control::setMouseActive(bool active) { mouseActive = active; }
bool Control::isMouseActive() const { return mouseActive; }
