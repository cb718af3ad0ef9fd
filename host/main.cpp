// SPDX-License-Identifier: MIT
// skyrun-host: loads a plug-in, of any format in the formats table, the way a host does and drives it.

#include <cstdio>
#include <string>
#include <vector>

#include "host/commands/Commands.h"
#include "host/formats/Formats.h"

namespace {
const Command* const kCommands[] = {&infoCommand, &renderCommand, &editorCommand,
                                    &demoCommand, &playCommand,   &checkCommand};

void printUsage(std::FILE* out) {
    std::fprintf(out,
                 "Usage: skyrun-host COMMAND MODULE [options]\n"
                 "Loads a plug-in module the way a host does and drives it.\n"
                 "%s\n"
                 "\n"
                 "Commands:\n",
                 otherFormatsSentence().c_str());
    for (const Command* command : kCommands) {
        std::fprintf(out, "  %-16s %s%s\n", (std::string(command->name) + " MODULE").c_str(),
                     command->about, command->options.empty() ? "" : ":");
        if (!command->options.empty())
            std::fprintf(out, "  %-16s%s\n", "", optionSynopsis(*command).c_str());
    }
    std::fprintf(out,
                 "\n"
                 "Options:\n"
                 "  --help           prints this text; after a command, that command's options\n"
                 "  --version        prints the version of skyrun-host\n");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help") {
        printUsage(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("skyrun-host %s\n", SKYRUN_VERSION);
        return 0;
    }
    for (const Command* command : kCommands)
        if (name == command->name)
            return CommandLine::run(*command, std::vector<std::string>(argv + 2, argv + argc));
    std::fprintf(stderr, "skyrun-host: unknown command '%s'\n", name.c_str());
    printUsage(stderr);
    return 2;
}
