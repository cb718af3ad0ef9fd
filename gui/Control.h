// SPDX-License-Identifier: MIT
#pragma once
// The base of every view the plug-in puts in its frame: a value with a range,
// a tag and a listener. A control repaints itself on an idle pass exactly
// when its value differs from the value it last drew. Slots 0 to 19.
//
// The value is written by the audio thread and read by the interface thread,
// so it is a relaxed atomic.

#include "gui/Relaxed.h"
#include "gui/View.h"

class ControlListener;

class Control : public View {
public:
    Control(const Rect& size, ControlListener* listener, int32_t tag);
    ~Control() override;                                 // 0
    void refresh(DrawContext* context) override;         // 3
    virtual void keepIdle();                             // 7
    virtual void setValue(float newValue);               // 8
    virtual float getValue() const;                      // 9
    virtual void setMinimum(float newMinimum);           // 10
    virtual float getMinimum() const;                    // 11
    virtual void setMaximum(float newMaximum);           // 12
    virtual float getMaximum() const;                    // 13
    virtual void setDrawnValue(float newDrawnValue);     // 14
    virtual float getDrawnValue() const;                 // 15
    virtual void setResetValue(float newResetValue);     // 16
    virtual float getResetValue() const;                 // 17
    virtual void setMouseActive(bool active);            // 18
    virtual bool isMouseActive() const;                  // 19

    int32_t getTag() const { return tag; }
    ControlListener* getListener() const { return listener; }

protected:
    ControlListener* listener;
    int32_t tag;
    bool mouseActive = true;
    Relaxed<float> drawnValue{-1.0f};
    float resetValue = 0.5f;
    Relaxed<float> value{0.0f};
    float minimum = 0.0f;
    float maximum = 1.0f;
};
