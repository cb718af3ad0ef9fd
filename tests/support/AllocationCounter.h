// SPDX-License-Identifier: MIT
#pragma once
// Counts the program's calls of operator new, to show that a piece of code
// allocates nothing.
long allocationCount();
