// skyrun-host: loads a plug-in module the way a host does and drives it.

#include <cstdio>
#include <string>
#include <vector>

#include "host/Commands.h"

namespace {
void printUsage(std::FILE* out) {
    std::fprintf(out,
                 "Usage: skyrun-host COMMAND MODULE [options]\n"
                 "Loads a plug-in module the way a host does and drives it.\n"
                 "\n"
                 "Commands:\n"
                 "  info MODULE      what the effect reports to a host\n"
                 "  render MODULE    streams a WAV file through the effect:\n"
                 "                   --in IN.wav --out OUT.wav [--block N] [--rate R]\n"
                 "                   [--replacing|--accumulating]\n"
                 "  editor MODULE    opens the editor in a window and drives it:\n"
                 "                   [--idles N] [--audio] [--script FILE] [--screenshot FILE.png]\n"
                 "  demo MODULE      plays the game with audio running; writes sound and\n"
                 "                   pictures: --seconds S --out DIR\n"
                 "  play MODULE      the game in a window for a person, with live sound\n"
                 "  check MODULE     tries the module the way a careful host does before\n"
                 "                   trusting it\n"
                 "\n"
                 "Options:\n"
                 "  --help           prints this text\n"
                 "  --version        prints the version of skyrun-host\n");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    std::string command = argv[1];
    if (command == "--help") {
        printUsage(stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("skyrun-host %s\n", SKYRUN_VERSION);
        return 0;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "info") return runInfo(args);
    if (command == "render") return runRender(args);
    if (command == "editor") return runEditor(args);
    if (command == "demo") return runDemo(args);
    if (command == "play") return runPlay(args);
    if (command == "check") return runCheck(args);
    std::fprintf(stderr, "skyrun-host: unknown command '%s'\n", command.c_str());
    printUsage(stderr);
    return 2;
}
