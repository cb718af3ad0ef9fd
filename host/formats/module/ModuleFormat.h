// SPDX-License-Identifier: MIT
#pragma once
// Plug-in modules: a file exporting `main`, which hands out the effect's record.

#include "host/formats/Formats.h"

extern const Format moduleFormat;
