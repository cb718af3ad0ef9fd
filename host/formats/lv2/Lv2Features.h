// SPDX-License-Identifier: MIT
#pragma once
// The features the host gives a plug-in or a UI, kept as the null-ended
// array LV2 takes; what the plug-in's data requires is checked against the
// same array, so that the two cannot differ.

#include <lv2/core/lv2.h>

#include <initializer_list>
#include <string>
#include <vector>

class Lv2Features {
public:
    explicit Lv2Features(std::initializer_list<LV2_Feature> given);
    Lv2Features(const Lv2Features&) = delete;
    Lv2Features& operator=(const Lv2Features&) = delete;

    // Sets the data of the feature `uri`, one given already.
    void setData(const char* uri, void* data);
    const LV2_Feature* const* array() const { return pointers.data(); }
    // The first of `required` that is not given, or empty when all are.
    std::string missing(const std::vector<std::string>& required) const;

private:
    std::vector<LV2_Feature> features;
    std::vector<const LV2_Feature*> pointers;  // into `features`, then null
};
