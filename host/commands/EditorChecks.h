#pragma once
// The checks of `check MODULE` that open the editor in host windows. Each
// returns why it failed, or nothing when it passed.

#include <string>

std::string editorOpenedRepeatedly(const std::string& module);
std::string twoEditorsAtOnce(const std::string& module);
std::string editorAfterWindowDestroyed(const std::string& module);
