// SPDX-License-Identifier: MIT
#include "host/CommandLine.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
const OptionSpec* find(const Command& command, const std::string& name) {
    for (const OptionSpec& option : command.options)
        if (name == option.name) return &option;
    return nullptr;
}

std::string written(const OptionSpec& option) {
    return option.value ? std::string(option.name) + " " + option.value : option.name;
}

void printUsage(const Command& command, std::FILE* out) {
    std::fprintf(out, "usage: skyrun-host %s MODULE%s\n", command.name,
                 optionSynopsis(command).c_str());
}

void printHelp(const Command& command) {
    printUsage(command, stdout);
    std::printf("%s\n", command.about);
    for (const OptionSpec& option : command.options)
        std::printf("  %-22s %s\n", written(option).c_str(), option.help);
    std::printf("  %-22s %s\n", "--help", "prints this text");
}
}  // namespace

std::string optionSynopsis(const Command& command) {
    std::string synopsis;
    for (const OptionSpec& option : command.options)
        synopsis += option.required ? " " + written(option) : " [" + written(option) + "]";
    return synopsis;
}

int CommandLine::run(const Command& command, const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--help") {
            printHelp(command);
            return 0;
        }
    CommandLine line(command);
    std::string why = line.read(args);
    if (!why.empty()) return line.wrong(why);
    return command.run(line);
}

std::string CommandLine::read(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (!modulePath.empty()) return "one MODULE only, not also '" + arg + "'";
            modulePath = arg;
            continue;
        }
        const OptionSpec* option = find(command, arg);
        if (!option) return "unknown option '" + arg + "'";
        if (!option->value) {
            given.emplace_back(arg, "");
        } else if (i + 1 < args.size()) {
            given.emplace_back(arg, args[++i]);
        } else {
            return arg + " needs a value";
        }
    }
    if (modulePath.empty()) return "MODULE is missing";
    for (const OptionSpec& option : command.options)
        if (option.required && !has(option.name)) return std::string(option.name) + " is missing";
    return "";
}

bool CommandLine::has(const char* name) const { return !lastOf({name}).empty(); }

std::string CommandLine::value(const char* name) const {
    std::string found;
    for (const auto& [option, value] : given)
        if (option == name) found = value;
    return found;
}

double CommandLine::number(const char* name, double fallback) const {
    if (!has(name)) return fallback;
    std::string text = value(name);
    char* end = nullptr;
    double number = std::strtod(text.c_str(), &end);
    return text.empty() || *end ? std::nan("") : number;
}

std::string CommandLine::lastOf(std::initializer_list<const char*> names) const {
    std::string last;
    for (const auto& entry : given)
        for (const char* name : names)
            if (entry.first == name) last = entry.first;
    return last;
}

int CommandLine::wrong(const std::string& why) const {
    std::fprintf(stderr, "skyrun-host %s: %s\n", command.name, why.c_str());
    printUsage(command, stderr);
    return 2;
}

int failed(const std::string& file, const std::string& why) {
    std::fprintf(stderr, "skyrun-host: %s: %s\n", file.c_str(), why.c_str());
    return 1;
}
