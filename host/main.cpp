// skyrun-host: loads a plug-in module the way a host does and drives it.

#include <cstdio>
#include <string>
#include <vector>

#include "host/Commands.h"

namespace {
void printUsage() {
    std::fprintf(stderr,
                 "usage: skyrun-host COMMAND MODULE [options]\n"
                 "commands:\n"
                 "  info MODULE    what the effect reports to a host\n"
                 "  render MODULE --in IN.wav --out OUT.wav [--block N] [--rate R]\n"
                 "                 [--replacing|--accumulating]\n"
                 "                 streams a WAV file through the effect\n"
                 "  editor MODULE [--idles N] [--audio] [--script FILE] [--screenshot FILE.png]\n"
                 "                 opens the editor in a window and drives it\n"
                 "  demo MODULE --seconds S --out DIR\n"
                 "                 plays the game with audio running; writes sound and pictures\n"
                 "  play MODULE    the game in a window for a person, with live sound\n"
                 "  check MODULE   tries the module the way a careful host does before trusting it\n");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage();
        return 2;
    }
    std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "info") return runInfo(args);
    if (command == "render") return runRender(args);
    if (command == "editor") return runEditor(args);
    if (command == "demo") return runDemo(args);
    if (command == "play") return runPlay(args);
    if (command == "check") return runCheck(args);
    std::fprintf(stderr, "skyrun-host: unknown command '%s'\n", command.c_str());
    printUsage();
    return 2;
}
