// SPDX-License-Identifier: MIT
#include <windows.h>

#include <cstdio>

#include "host/platform/ChildProcess.h"
#include "host/platform/win32/ChildStart.h"

namespace {
// One argument quoted so that the child's C runtime reads it back unchanged.
std::string quoted(const std::string& arg) {
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, '\\');
    return out + "\"";
}

LONG WINAPI endWithTheException(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

int runThisProgram(const std::vector<std::string>& args, std::string& why) {
    char self[MAX_PATH] = {};
    if (!GetModuleFileNameA(nullptr, self, MAX_PATH)) {
        why = "cannot find this program";
        return -1;
    }
    std::string commandLine = quoted(self);
    for (const std::string& arg : args) commandLine += " " + quoted(arg);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    // A start can fail for a moment on a busy machine (seen under Wine as
    // an internal error); a program that really cannot start fails every try.
    bool started = false;
    for (int tries = 0; tries < 3 && !started; ++tries) {
        if (tries > 0) Sleep(200);
        started = childStart()(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &startup, &process);
    }
    if (!started) {
        why = "cannot start: error " + std::to_string(GetLastError());
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Exception codes have the two top bits set; no program exits with them.
    if (status >= 0xC0000000u) {
        char code[64];
        std::snprintf(code, sizeof code, "crashed: exception 0x%08lX",
                      static_cast<unsigned long>(status));
        why = code;
        return -1;
    }
    return int(status);
}

void endQuietlyOnCrash() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(endWithTheException);
}
