// SPDX-License-Identifier: MIT
#pragma once
// This program run again as a child process, so that a module that crashes
// the child leaves the parent standing to report it.

#include <string>
#include <vector>

// Runs this program with `args`, sharing its standard streams, and waits for
// it. Returns its exit status; when it did not exit by itself (a signal, an
// exception) or could not start, returns -1 with `why` saying so.
int runThisProgram(const std::vector<std::string>& args, std::string& why);

// For the child: a crash ends the process at once with the cause as its
// status, without a debugger or a core dump.
void endQuietlyOnCrash();
