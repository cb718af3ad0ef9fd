// SPDX-License-Identifier: MIT
#pragma once
class Control;
class DrawContext;

// Told by a control after the user changed its value.
class ControlListener {
public:
    virtual ~ControlListener() = default;
    virtual void valueChanged(DrawContext* context, Control* control) = 0;
};
