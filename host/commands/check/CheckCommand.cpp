// SPDX-License-Identifier: MIT
// `check MODULE`: does to the module what a careful host does before trusting
// it, one `pass: NAME` or `fail: NAME (why)` line per check and a closing
// `N passed, N failed`. A check that crashes fails with the cause. A
// plug-in of a format without the module interface's opcodes gets the
// checks that start and run instances instead, and the report names the
// opcode checks it skips.

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "host/commands/Commands.h"
#include "host/commands/check/Checks.h"
#include "host/formats/Formats.h"
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

// The exit status of a child that ran one check and printed its line. A
// failure is not 1, which sanitizers and runtimes end a process with.
enum ChildStatus { childPassed = 0, childFailed = 10 };

// Each check runs in a child process of its own (`check MODULE --only N`), so
// that a crash is that check's failure and every check starts from a fresh
// process.
int runCheck(const CommandLine& line) {
    const std::string& module = line.module();
    const Format& format = formatOf(module);
    std::vector<Check> checks;
    for (const Check& check : kChecks)
        if ((check.checkFor == CheckFor::instances) != format.hasRecord)
            checks.push_back(check);
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
    if (!format.hasRecord)
        for (const Check& check : kChecks)
            if (check.checkFor == CheckFor::needsOpcodes)
                std::printf("skip: %s (%s has no opcodes)\n", check.name, format.plugin);
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
