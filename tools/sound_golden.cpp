// SPDX-License-Identifier: MIT
// Records what the synthesizer makes of the cases in tests/plugin/SoundCases.h,
// for the golden test to compare against bit for bit. Run it only to record a
// change of sound made on purpose:
//   build/linux/tests/plugin/sound_golden tests/plugin/SoundGolden.inc

#include <cstdio>

#include "tests/plugin/SoundCases.h"

using namespace sound_cases;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.inc\n", argv[0]);
        return 2;
    }
    FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out,
                 "// SPDX-License-Identifier: MIT\n"
                 "// Written by tools/sound_golden.cpp from the cases of SoundCases.h.\n"
                 "// Per case, three hashes of eight hex digits: the output samples, the\n"
                 "// sound values after the last block and the random stream's next draws.\n"
                 "inline constexpr char kGoldenHashes[] =\n");
    for (int index = 0; index < kCaseCount; ++index) {
        Result r = run(makeCase(index));
        std::fprintf(out, "\"%08x%08x%08x\"\n", hashWords(r.samples), hashWords(r.values),
                     hashWords(r.draws));
    }
    std::fprintf(out,
                 ";\n\n"
                 "// The whole outputs of the first %d cases, one after the other.\n"
                 "inline constexpr uint32_t kGoldenSamples[] = {\n",
                 kWholeCases);
    for (int index = 0; index < kWholeCases; ++index) {
        Result r = run(makeCase(index));
        for (size_t i = 0; i < r.samples.size(); ++i)
            std::fprintf(out, "%s0x%08x,", i % 8 == 0 ? "\n    " : " ", r.samples[i]);
    }
    std::fprintf(out, "\n};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
