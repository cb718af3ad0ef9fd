#pragma once
// What a host passes with a feature's URI.

#include <lv2/core/lv2.h>

// The data of the feature named `uri`, or null when the host did not pass it.
const void* featureData(const LV2_Feature* const* features, const char* uri);
