#pragma once
// The checks of `check` that need no window and speak only what every kind
// of plug-in offers a host (start, process, stop): those an LV2 plug-in
// gets in place of the module's opcode checks. Each returns why it failed,
// or nothing when it passed.

#include <string>

std::string startAndCloseRepeatedly(const std::string& plugin);
// Separate buffers and in place, at several rates and block sizes.
std::string instanceAudioPassesThrough(const std::string& plugin);
