// SPDX-License-Identifier: MIT
// A child's start that fails now and then is tried three times, and a start
// that fails every time is reported after the third. Windows only.

#ifdef _WIN32

#include <gtest/gtest.h>

#include "host/platform/ChildProcess.h"
#include "host/platform/win32/ChildStart.h"

namespace {
int failuresLeft = 0, tries = 0;

BOOL WINAPI failingStart(LPCSTR program, LPSTR line, LPSECURITY_ATTRIBUTES process,
                         LPSECURITY_ATTRIBUTES thread, BOOL inherit, DWORD flags,
                         LPVOID environment, LPCSTR folder, LPSTARTUPINFOA startup,
                         LPPROCESS_INFORMATION started) {
    ++tries;
    if (failuresLeft-- > 0) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    return CreateProcessA(program, line, process, thread, inherit, flags, environment, folder,
                          startup, started);
}
}  // namespace

TEST(ChildStart, IsTriedThreeTimesBeforeItFails) {
    const struct {
        int failures, status;
        const char* why;
    } cases[] = {{2, 0, ""}, {3, -1, "cannot start: error 8"}};
    for (const auto& c : cases) {
        failuresLeft = c.failures;
        tries = 0;
        childStart() = failingStart;
        std::string why;
        // The child is this program, running no test.
        const int status = runThisProgram({"--gtest_filter=-*"}, why);
        childStart() = CreateProcessA;
        EXPECT_EQ(status, c.status) << c.failures;
        EXPECT_EQ(why, c.why) << c.failures;
        EXPECT_EQ(tries, 3) << c.failures;
    }
}

#endif
