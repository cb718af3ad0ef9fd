// SPDX-License-Identifier: MIT
#pragma once
// How runThisProgram starts its child: CreateProcessA, unless a test puts a
// start that fails in its place, to see the retries.

#include <windows.h>

inline decltype(&CreateProcessA)& childStart() {
    static decltype(&CreateProcessA) start = CreateProcessA;
    return start;
}
