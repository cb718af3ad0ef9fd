// `check MODULE`: does to the module what a careful host does before trusting
// it, one `pass: NAME` or `fail: NAME (why)` line per check and a closing
// `N passed, N failed`. A check that crashes fails with the cause.

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "host/commands/Commands.h"
#include "host/commands/EditorChecks.h"
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

const Check kChecks[] = {
    {"load and close 100 times", loadAndCloseRepeatedly},
    {"every opcode with a zeroed buffer", sweepWithBuffers},
    {"every opcode with a null pointer", sweepWithNulls},
    {"programs at and past the ends", programsAtTheEnds},
    {"audio passes through unchanged", audioPassesThrough},
    {"editor opened and closed 200 times with audio", editorOpenedRepeatedly},
    {"two editors open at once", twoEditorsAtOnce},
    {"editor whose window the host destroyed first", editorAfterWindowDestroyed},
};
constexpr int kCheckCount = int(std::size(kChecks));

// The exit status of a child that ran one check and printed its line. A
// failure is not 1, which sanitizers and runtimes end a process with.
enum ChildStatus { childPassed = 0, childFailed = 10 };

// Each check runs in a child process of its own (`check MODULE --only N`), so
// that a crash is that check's failure and every check starts from a fresh
// process.
int runCheck(const CommandLine& line) {
    const std::string& module = line.module();
    if (line.has("--only")) {
        const std::string number = line.value("--only");
        const int index = std::atoi(number.c_str());
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos ||
            index >= kCheckCount)
            return line.wrong("--only takes a check's number, 0 to " +
                              std::to_string(kCheckCount - 1));
        endQuietlyOnCrash();
        const std::string failure = kChecks[index].run(module);
        Report().add(kChecks[index].name, failure);
        return failure.empty() ? childPassed : childFailed;
    }
    Report report;
    for (int index = 0; index < kCheckCount; ++index) {
        std::string why;
        const int status = runThisProgram({"check", module, "--only", std::to_string(index)}, why);
        if (status == childPassed || status == childFailed)
            report.count(status == childPassed);
        else
            report.add(kChecks[index].name,
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
