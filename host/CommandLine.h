// SPDX-License-Identifier: MIT
#pragma once
// How every command reads its arguments: one MODULE and the options it
// declares, in any order. `--help` prints the command's usage; a wrong
// argument is named on stderr above the usage, with exit status 2.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

struct OptionSpec {
    const char* name;   // "--block"
    const char* value;  // what follows it ("N"), or null for a flag
    const char* help;
    bool required = false;
};

class CommandLine;

struct Command {
    const char* name;
    const char* about;  // one line, for the list of commands too
    std::vector<OptionSpec> options;
    int (*run)(const CommandLine& line);
};

// The options as a usage line shows them, each after a space.
std::string optionSynopsis(const Command& command);

class CommandLine {
public:
    // Reads `args` (those after the command's name) and runs the command on
    // them; returns the exit status.
    static int run(const Command& command, const std::vector<std::string>& args);

    const std::string& module() const { return modulePath; }
    bool has(const char* name) const;
    // The value given last for `name`, or empty.
    std::string value(const char* name) const;
    // The value as a number, `fallback` when not given, NaN when not a number.
    double number(const char* name, double fallback) const;
    // Of these flags, the one given last; empty when none is.
    std::string lastOf(std::initializer_list<const char*> names) const;
    // A value the command cannot take: says `why` with the usage; returns 2.
    int wrong(const std::string& why) const;

private:
    explicit CommandLine(const Command& command) : command(command) {}
    std::string read(const std::vector<std::string>& args);

    const Command& command;
    std::string modulePath;
    std::vector<std::pair<std::string, std::string>> given;
};

// Says what went wrong with a file the command was given, as
// `skyrun-host: FILE: WHY`; returns 1.
int failed(const std::string& file, const std::string& why);
