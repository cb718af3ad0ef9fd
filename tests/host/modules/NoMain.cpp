// SPDX-License-Identifier: MIT
// A loadable module that exports something other than main.
#ifdef _WIN32
#define EXPORTED __declspec(dllexport)
#else
#define EXPORTED __attribute__((visibility("default")))
#endif

extern "C" EXPORTED int notTheEntry() { return 0; }
