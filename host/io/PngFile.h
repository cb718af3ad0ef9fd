// SPDX-License-Identifier: MIT
#pragma once
#include <string>

#include "host/platform/HostWindow.h"

// Writes the screenshot as a PNG file; false with `error` set on failure.
bool writePng(const std::string& path, const Screenshot& shot, std::string& error);
