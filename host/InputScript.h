// SPDX-License-Identifier: MIT
#pragma once
// Scripted input for an editor session, one action a line:
//   IDLE hold KEY | IDLE release KEY | IDLE click BUTTON X Y | IDLE move X Y
//   IDLE shot FILE.png
// IDLE is the editor idle call before which the action happens; KEY is
// left, middle, right, shift, control or alt. '#' starts a comment.

#include <string>
#include <vector>

#include "host/platform/HostWindow.h"

struct InputAction {
    enum class Kind { hold, release, click, move, shot };
    int32_t idle = 0;
    Kind kind = Kind::hold;
    InputKey key = InputKey::leftButton;
    int32_t x = 0, y = 0;
    std::string file;
};

// Actions in the order of their idle numbers; false with `error` naming the
// line that could not be read.
bool parseInputScript(const std::string& text, std::vector<InputAction>& actions,
                      std::string& error);
void applyInputAction(const InputAction& action, HostWindow& window);
