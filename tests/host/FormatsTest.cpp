// SPDX-License-Identifier: MIT
// Which format's row a plug-in's name leads to: the first that recognises it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/formats/Formats.h"
#include "host/formats/clap/ClapFormat.h"
#include "host/formats/lv2/Lv2Format.h"
#include "host/formats/module/ModuleFormat.h"

TEST(Formats, ANameLeadsToTheFormatThatRecognisesIt) {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / "formats-test-folder";
    std::filesystem::create_directories(folder);
    const struct {
        std::string name;
        const Format* format;
    } cases[] = {
        {"https://www.orvane.example/plugins/skyrun", &lv2Format},
        {folder.string(), &lv2Format},  // any folder that exists
        {"missing/skyrun.lv2", &lv2Format},
        {"missing/skyrun.lv2/", &lv2Format},
        {"missing/skyrun.lv2/skyrun.so", &moduleFormat},
        {"Skyrun.so", &moduleFormat},
        {"Skyrun.dll", &moduleFormat},
        {"missing/Skyrun.clap", &clapFormat},
    };
    for (const auto& c : cases) EXPECT_EQ(&formatOf(c.name), c.format) << c.name;
}
