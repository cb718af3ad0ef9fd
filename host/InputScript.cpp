// SPDX-License-Identifier: MIT
#include "host/InputScript.h"

#include <algorithm>
#include <sstream>

namespace {
bool keyNamed(const std::string& name, InputKey& key) {
    static const struct {
        const char* name;
        InputKey key;
    } kKeys[] = {{"left", InputKey::leftButton},   {"middle", InputKey::middleButton},
                 {"right", InputKey::rightButton}, {"shift", InputKey::shift},
                 {"control", InputKey::control},   {"alt", InputKey::alt}};
    for (const auto& entry : kKeys)
        if (name == entry.name) {
            key = entry.key;
            return true;
        }
    return false;
}
}  // namespace

bool parseInputScript(const std::string& text, std::vector<InputAction>& actions,
                      std::string& error) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        InputAction action;
        std::string verb, name;
        if (!(words >> action.idle)) {
            if (line.find_first_not_of(" \t\r;") == std::string::npos) continue;
            error = "line " + std::to_string(number) + ": expected an idle number";
            return false;
        }
        words >> verb;
        bool ok = action.idle >= 0;
        if (verb == "hold" || verb == "release") {
            action.kind = verb == "hold" ? InputAction::Kind::hold : InputAction::Kind::release;
            ok = ok && (words >> name) && keyNamed(name, action.key);
        } else if (verb == "click") {
            action.kind = InputAction::Kind::click;
            ok = ok && (words >> name) && keyNamed(name, action.key) && (words >> action.x >> action.y);
        } else if (verb == "move") {
            action.kind = InputAction::Kind::move;
            ok = ok && bool(words >> action.x >> action.y);
        } else if (verb == "shot") {
            action.kind = InputAction::Kind::shot;
            ok = ok && bool(words >> action.file);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(number) + ": cannot read '" + line + "'";
            return false;
        }
        actions.push_back(action);
    }
    std::stable_sort(actions.begin(), actions.end(),
                     [](const InputAction& a, const InputAction& b) { return a.idle < b.idle; });
    return true;
}

void applyInputAction(const InputAction& action, HostWindow& window) {
    switch (action.kind) {
    case InputAction::Kind::hold: window.setHeld(action.key, true); break;
    case InputAction::Kind::release: window.setHeld(action.key, false); break;
    case InputAction::Kind::click: window.click(action.key, action.x, action.y); break;
    case InputAction::Kind::move: window.movePointer(action.x, action.y); break;
    case InputAction::Kind::shot: break;  // the session takes it
    }
}
