// SPDX-License-Identifier: MIT
#pragma once
// The instance handle of the module holding the toolkit: bitmaps are loaded
// from it and the frame's window class is named after it. It is found when
// the module is loaded; the Windows load entry stores the loader's handle too.
extern void* moduleInstance;
