// SPDX-License-Identifier: MIT
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "host/platform/ChildProcess.h"

extern char** environ;

int runThisProgram(const std::vector<std::string>& args, std::string& why) {
    char self[PATH_MAX] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0) {
        why = std::string("cannot find this program: ") + std::strerror(errno);
        return -1;
    }
    std::vector<char*> argv{self};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (int error = posix_spawn(&child, self, nullptr, nullptr, argv.data(), environ)) {
        why = std::string("cannot start: ") + std::strerror(error);
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    why = WIFSIGNALED(status) ? std::string("crashed: ") + strsignal(WTERMSIG(status))
                              : std::string("ended abnormally");
    return -1;
}

void endQuietlyOnCrash() {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
}
