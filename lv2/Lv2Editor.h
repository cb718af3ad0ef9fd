// SPDX-License-Identifier: MIT
#pragma once
// The plug-in's X11 UI: the effect's own editor, opened in the host's window.
// It needs the DSP instance itself (instance-access), since the game writes
// the effect's sound values directly, and the host's parent window.

#include <lv2/core/lv2.h>
#include <lv2/ui/ui.h>

class Lv2Effect;

class Lv2Editor {
public:
    // Null when the host lacks a required feature or the editor cannot open.
    // Shows at the host's ui:scaleFactor where it gives one, and tells a
    // host that can hear it the editor's fixed size at that zoom.
    static Lv2Editor* open(const LV2_Feature* const* features, LV2UI_Widget* widget);
    ~Lv2Editor();  // closes the editor
    Lv2Editor(const Lv2Editor&) = delete;
    Lv2Editor& operator=(const Lv2Editor&) = delete;

    // The host's idle call: the editor steps the game and draws.
    void idle();

private:
    explicit Lv2Editor(Lv2Effect& effect) : effect(effect) {}

    Lv2Effect& effect;
};
