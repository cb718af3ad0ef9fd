// SPDX-License-Identifier: MIT
#pragma once
// A URID map of a test's own, as a host passes it: each URI's number is its
// place in the list.

#include <lv2/urid/urid.h>

#include <string>
#include <vector>

struct TestUridMap {
    std::vector<std::string> uris;
    LV2_URID_Map map{this, [](LV2_URID_Map_Handle self, const char* uri) -> LV2_URID {
                         auto& known = static_cast<TestUridMap*>(self)->uris;
                         for (size_t i = 0; i < known.size(); ++i)
                             if (known[i] == uri) return LV2_URID(i + 1);
                         known.emplace_back(uri);
                         return LV2_URID(known.size());
                     }};
    LV2_URID operator()(const char* uri) { return map.map(map.handle, uri); }
};
