#pragma once
// Process-wide state of the loaded module.

// The module's instance handle, stored by the platform's load entry; the
// toolkit loads bitmaps and names its window class with it.
extern void* moduleInstance;

// Set when an effect's editor could not be made; never reset, so from then
// on every `main` in the process gives up.
extern bool moduleOutOfMemory;
