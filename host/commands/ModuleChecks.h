#pragma once
// The checks of `check MODULE` that need no window. Each returns why it
// failed, or nothing when it passed.

#include <string>

std::string loadAndCloseRepeatedly(const std::string& module);
std::string sweepWithBuffers(const std::string& module);  // every opcode, a zeroed buffer
std::string sweepWithNulls(const std::string& module);    // every opcode, a null pointer
std::string programsAtTheEnds(const std::string& module);
std::string audioPassesThrough(const std::string& module);
