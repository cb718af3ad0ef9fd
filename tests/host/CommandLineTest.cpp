// What a command reads from its arguments when an option is given more
// than once: the last one wins, for a value and among flags.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/CommandLine.h"

namespace {
struct Seen {
    double block;
    std::string way;
};
Seen seen;

const Command kCommand = {"test", "reads its options",
                          {{"--block", "N", "frames a block"},
                           {"--replacing", nullptr, "replace"},
                           {"--accumulating", nullptr, "accumulate"}},
                          [](const CommandLine& line) {
                              seen = {line.number("--block", 0), line.lastOf({"--replacing", "--accumulating"})};
                              return 0;
                          }};

TEST(CommandLine, TheLastOfARepeatedOptionWins) {
    const struct {
        std::vector<std::string> args;
        double block;
        const char* way;
    } cases[] = {
        {{"m", "--block", "12", "--block", "300"}, 300, ""},
        {{"--block", "300", "m", "--block", "12"}, 12, ""},
        {{"m", "--replacing", "--accumulating"}, 0, "--accumulating"},
        {{"--accumulating", "--block", "7", "m", "--replacing"}, 7, "--replacing"},
    };
    for (const auto& c : cases) {
        seen = {};
        EXPECT_EQ(CommandLine::run(kCommand, c.args), 0);
        EXPECT_EQ(seen.block, c.block) << c.args[1];
        EXPECT_EQ(seen.way, c.way) << c.args[1];
    }
}
}  // namespace
