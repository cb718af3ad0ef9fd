// SPDX-License-Identifier: MIT
#pragma once
// What `check` does to a plug-in, one row a check, in the order it runs
// them. Each check returns why it failed, or nothing when it passed.

#include <span>
#include <string>

// Which plug-ins a check is for.
enum class CheckFor {
    opcodes,       // those that speak the module interface's opcodes
    needsOpcodes,  // the same, and reported as skipped for the others
    instances,     // the others, which a host only starts, runs and stops
};

struct Check {
    const char* name;
    std::string (*run)(const std::string& plugin);
    CheckFor checkFor;
};

extern const std::span<const Check> kChecks;

// Drive the opcodes without a window.
std::string loadAndCloseRepeatedly(const std::string& module);
std::string sweepWithBuffers(const std::string& module);  // every opcode, a zeroed buffer
std::string sweepWithNulls(const std::string& module);    // every opcode, a null pointer
std::string programsAtTheEnds(const std::string& module);

// Need no window and speak only what every format offers a host.
std::string startAndCloseRepeatedly(const std::string& plugin);
// Separate buffers, replacing and accumulating, at several rates and block sizes.
std::string audioPassesThrough(const std::string& plugin);
// Separate buffers and in place.
std::string audioPassesThroughInPlace(const std::string& plugin);

// Open the editor in host windows.
std::string editorOpenedRepeatedly(const std::string& plugin);
std::string twoEditorsAtOnce(const std::string& plugin);
std::string editorAfterWindowDestroyed(const std::string& plugin);
