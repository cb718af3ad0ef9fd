// `check MODULE`: does to the module what a careful host does before trusting
// it, one `pass: NAME` or `fail: NAME (why)` line per check and a closing
// `N passed, N failed`. A check that crashes fails with the cause. An LV2
// plug-in has no opcodes or programs: its checks start and run instances
// instead, and the report names the module checks it skips.

#include <cstdio>
#include <cstdlib>
#include <span>

#include "host/commands/Commands.h"
#include "host/HostedEffect.h"
#include "host/commands/EditorChecks.h"
#include "host/commands/InstanceChecks.h"
#include "host/commands/ModuleChecks.h"
#include "host/platform/ChildProcess.h"

namespace {
class Report {
public:
    void add(const char* name, const std::string& failure) {
        if (failure.empty())
            std::printf("pass: %s\n", name);
        else
            std::printf("fail: %s (%s)\n", name, failure.c_str());
        std::fflush(stdout);
        count(failure.empty());
    }
    // A result whose line is already printed.
    void count(bool pass) { ++(pass ? passed : failed); }
    int finish() const {
        std::printf("%d passed, %d failed\n", passed, failed);
        return failed ? 1 : 0;
    }

private:
    int passed = 0, failed = 0;
};

struct Check {
    const char* name;
    std::string (*run)(const std::string& module);
};

const Check kModuleChecks[] = {
    {"load and close 100 times", loadAndCloseRepeatedly},
    {"every opcode with a zeroed buffer", sweepWithBuffers},
    {"every opcode with a null pointer", sweepWithNulls},
    {"programs at and past the ends", programsAtTheEnds},
    {"audio passes through unchanged", audioPassesThrough},
    {"editor opened and closed 200 times with audio", editorOpenedRepeatedly},
    {"two editors open at once", twoEditorsAtOnce},
    {"editor whose window the host destroyed first", editorAfterWindowDestroyed},
};
const Check kLv2Checks[] = {
    {"instantiate, activate and clean up 100 times", startAndCloseRepeatedly},
    {"audio passes through unchanged, in place too", instanceAudioPassesThrough},
    {"UI opened and closed 200 times with audio", editorOpenedRepeatedly},
    {"two instances with their UIs at once", twoEditorsAtOnce},
    {"UI whose window the host destroyed first", editorAfterWindowDestroyed},
};
const char* const kSkippedForLv2[] = {"every opcode with a zeroed buffer",
                                      "every opcode with a null pointer",
                                      "programs at and past the ends"};

// The exit status of a child that ran one check and printed its line. A
// failure is not 1, which sanitizers and runtimes end a process with.
enum ChildStatus { childPassed = 0, childFailed = 10 };

// Each check runs in a child process of its own (`check MODULE --only N`), so
// that a crash is that check's failure and every check starts from a fresh
// process.
int runCheck(const CommandLine& line) {
    const std::string& module = line.module();
    const bool lv2 = HostedEffect::namesLv2Plugin(module);
    const std::span<const Check> checks = lv2 ? std::span<const Check>(kLv2Checks)
                                              : std::span<const Check>(kModuleChecks);
    const int checkCount = int(checks.size());
    if (line.has("--only")) {
        const std::string number = line.value("--only");
        const int index = std::atoi(number.c_str());
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos ||
            index >= checkCount)
            return line.wrong("--only takes a check's number, 0 to " +
                              std::to_string(checkCount - 1));
        endQuietlyOnCrash();
        const std::string failure = checks[size_t(index)].run(module);
        Report().add(checks[size_t(index)].name, failure);
        return failure.empty() ? childPassed : childFailed;
    }
    Report report;
    if (lv2)
        for (const char* skipped : kSkippedForLv2)
            std::printf("skip: %s (an LV2 plug-in has no opcodes)\n", skipped);
    std::fflush(stdout);
    for (int index = 0; index < checkCount; ++index) {
        std::string why;
        const int status = runThisProgram({"check", module, "--only", std::to_string(index)}, why);
        if (status == childPassed || status == childFailed)
            report.count(status == childPassed);
        else
            report.add(checks[size_t(index)].name,
                       why.empty() ? "ended with status " + std::to_string(status) : why);
    }
    return report.finish();
}
}  // namespace

const Command checkCommand{
    "check",
    "what a careful host tries before trusting a plug-in",
    {{"--only", "N", "runs check N alone, as each child process does"}},
    runCheck};
