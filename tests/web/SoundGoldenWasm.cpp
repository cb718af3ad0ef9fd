// SPDX-License-Identifier: MIT
// The synthesizer compiled to WebAssembly against the golden outputs the
// native build recorded (tests/plugin): the browser test calls these.

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

#include "tests/plugin/SoundCases.h"
#include "tests/plugin/SoundGolden.inc"

using namespace sound_cases;

namespace {
uint32_t recorded(int index, int which) {
    std::string digits(kGoldenHashes + index * 24 + which * 8, 8);
    return uint32_t(std::strtoul(digits.c_str(), nullptr, 16));
}
}  // namespace

extern "C" {

// Samples of the first cases' whole outputs that differ from the recorded ones.
__attribute__((used)) int32_t skyrun_golden_sample_failures() {
    size_t offset = 0;
    int32_t failures = 0;
    for (int index = 0; index < kWholeCases; ++index) {
        Result r = run(makeCase(index));
        for (size_t i = 0; i < r.samples.size(); ++i)
            failures += offset + i >= std::size(kGoldenSamples) || r.samples[i] != kGoldenSamples[offset + i];
        offset += r.samples.size();
    }
    return failures + (offset != std::size(kGoldenSamples));
}

// Cases (of kCaseCount) whose outputs, end values or random draws differ.
__attribute__((used)) int32_t skyrun_golden_case_failures() {
    int32_t failures = 0;
    for (int index = 0; index < kCaseCount; ++index) {
        Result r = run(makeCase(index));
        failures += hashWords(r.samples) != recorded(index, 0) || hashWords(r.values) != recorded(index, 1) ||
                    hashWords(r.draws) != recorded(index, 2);
    }
    return failures;
}

__attribute__((used)) int32_t skyrun_golden_case_count() { return kCaseCount; }

}  // extern "C"
