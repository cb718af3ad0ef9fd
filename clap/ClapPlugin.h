// SPDX-License-Identifier: MIT
#pragma once
// The plug-in's table of functions for one effect.

#include "clap/Clap.h"

class ClapEffect;

clap_plugin pluginTable(ClapEffect& effect, const clap_plugin_descriptor* descriptor);
