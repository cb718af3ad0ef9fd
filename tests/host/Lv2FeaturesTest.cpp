// SPDX-License-Identifier: MIT
// The features the host gives an LV2 plug-in or UI: the array it passes is
// the one a plug-in's requirements are checked against.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/formats/lv2/Lv2Features.h"

TEST(Lv2Features, PassesTheArrayItChecksRequirementsAgainst) {
    int parent = 0;
    Lv2Features features({{"urn:given:a", nullptr}, {"urn:given:b", nullptr}});
    features.setData("urn:given:b", &parent);
    const LV2_Feature* const* array = features.array();
    ASSERT_NE(array[0], nullptr);
    ASSERT_NE(array[1], nullptr);
    EXPECT_EQ(array[2], nullptr);
    EXPECT_STREQ(array[0]->URI, "urn:given:a");
    EXPECT_EQ(array[0]->data, nullptr);
    EXPECT_EQ(array[1]->data, &parent);

    const struct {
        std::vector<std::string> required;
        std::string missing;
    } cases[] = {
        {{}, ""},
        {{"urn:given:b", "urn:given:a"}, ""},
        {{"urn:given:a", "urn:other:c", "urn:other:d"}, "urn:other:c"},
    };
    for (const auto& c : cases) EXPECT_EQ(features.missing(c.required), c.missing);
}
