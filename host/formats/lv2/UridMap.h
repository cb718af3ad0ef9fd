// SPDX-License-Identifier: MIT
#pragma once
// The host's urid:map feature: each URI a plug-in or UI asks about gets a
// number of its own, the same one every time, from any thread.

#include <lv2/urid/urid.h>

#include <mutex>
#include <string>
#include <vector>

class UridMap {
public:
    UridMap() : feature{this, &UridMap::mapOf} {}
    UridMap(const UridMap&) = delete;
    UridMap& operator=(const UridMap&) = delete;

    LV2_URID map(const char* uri);
    LV2_URID_Map* data() { return &feature; }

private:
    static LV2_URID mapOf(LV2_URID_Map_Handle handle, const char* uri) {
        return static_cast<UridMap*>(handle)->map(uri);
    }

    LV2_URID_Map feature;
    std::mutex lock;
    std::vector<std::string> uris;  // URID n is uris[n - 1]
};
