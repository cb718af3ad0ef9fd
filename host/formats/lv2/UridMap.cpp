// SPDX-License-Identifier: MIT
#include "host/formats/lv2/UridMap.h"

#include <algorithm>

LV2_URID UridMap::map(const char* uri) {
    std::lock_guard<std::mutex> held(lock);
    auto known = std::find(uris.begin(), uris.end(), uri);
    if (known == uris.end()) known = uris.insert(uris.end(), uri);
    return LV2_URID(known - uris.begin() + 1);
}
