// SPDX-License-Identifier: MIT
#include "lv2/Features.h"

#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

#include <cstring>

const void* featureData(const LV2_Feature* const* features, const char* uri) {
    for (; features && *features; ++features)
        if (std::strcmp((*features)->URI, uri) == 0) return (*features)->data;
    return nullptr;
}

const void* optionValue(const LV2_Feature* const* features, const char* key, const char* type,
                        uint32_t size) {
    auto* map = static_cast<const LV2_URID_Map*>(featureData(features, LV2_URID__map));
    auto* option = static_cast<const LV2_Options_Option*>(featureData(features, LV2_OPTIONS__options));
    if (!map || !option) return nullptr;
    LV2_URID keyId = map->map(map->handle, key), typeId = map->map(map->handle, type);
    for (; option->key || option->value; ++option)
        if (option->key == keyId && option->type == typeId && option->size == size && option->value)
            return option->value;
    return nullptr;
}
