// SPDX-License-Identifier: MIT
#pragma once
// Process-wide state of the loaded module.

// Set when an effect's editor could not be made; never reset, so from then
// on every `main` in the process gives up.
extern bool moduleOutOfMemory;
