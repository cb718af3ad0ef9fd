// SPDX-License-Identifier: MIT
#include "host/formats/lv2/Lv2Features.h"

#include <cstring>

Lv2Features::Lv2Features(std::initializer_list<LV2_Feature> given) : features(given) {
    for (const LV2_Feature& feature : features) pointers.push_back(&feature);
    pointers.push_back(nullptr);
}

void Lv2Features::setData(const char* uri, void* data) {
    for (LV2_Feature& feature : features)
        if (std::strcmp(feature.URI, uri) == 0) feature.data = data;
}

std::string Lv2Features::missing(const std::vector<std::string>& required) const {
    for (const std::string& uri : required) {
        bool given = false;
        for (const LV2_Feature& feature : features) given = given || uri == feature.URI;
        if (!given) return uri;
    }
    return "";
}
