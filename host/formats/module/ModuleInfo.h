// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// Prints the record's fields, names, vendor, programs, pins, capability
// answers and editor size, one `name: value` a line; false with `error`
// naming the cause.
bool printModuleInfo(const std::string& path, std::string& error);
