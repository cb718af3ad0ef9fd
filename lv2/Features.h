// SPDX-License-Identifier: MIT
#pragma once
// What a host passes with a feature's URI.

#include <lv2/core/lv2.h>

// The data of the feature named `uri`, or null when the host did not pass it.
const void* featureData(const LV2_Feature* const* features, const char* uri);

// The value of the host's option `key` (through the options feature, its
// URIs mapped with the host's urid:map) when it has the atom type `type`
// and `size` bytes; null when the host gives no such option.
const void* optionValue(const LV2_Feature* const* features, const char* key, const char* type,
                        uint32_t size);
