// SPDX-License-Identifier: MIT
// The effect's value-to-text conversions: numbers written in eight characters.

#include <cmath>
#include <cstdio>
#include <cstring>

#include "plugin/PluginEffect.h"

namespace {
constexpr const char* kHuge = " Huge!  ";
constexpr int kFieldWidth = 8;
}  // namespace

void PluginEffect::dbToText(float value, char* text) {
    if (value > 0.0f)
        floatToText(float(20.0 * std::log10(double(value))), text);
    else
        std::strcpy(text, "  -oo   ");
}

void PluginEffect::hzToText(float samples, char* text) {
    floatToText(samples == 0.0f ? 0.0f : getSampleRate() / samples, text);
}

void PluginEffect::msToText(float samples, char* text) {
    floatToText(float(double(samples) * 1000.0 / double(getSampleRate())), text);
}

// Sign, integer digits, a point, then fraction digits (truncated, not rounded)
// until the field holds eight characters.
void PluginEffect::floatToText(float value, char* text) {
    double magnitude = std::fabs(double(value));
    bool negative = value < 0.0f;
    if (!(magnitude <= (negative ? 9999999.0 : 99999999.0))) {
        std::strcpy(text, kHuge);
        return;
    }
    auto integerPart = static_cast<long long>(magnitude);
    int length = std::snprintf(text, 16, "%s%lld.", negative ? "-" : "", integerPart);
    double fraction = magnitude - double(integerPart);
    while (length < kFieldWidth) {
        fraction *= 10.0;
        int digit = int(fraction);
        text[length++] = char('0' + digit);
        fraction -= digit;
    }
    text[length] = 0;
}

void PluginEffect::intToText(int32_t value, char* text) {
    if (value >= 100000000)
        std::strcpy(text, kHuge);
    else
        std::snprintf(text, 24, "%7d", value);
}
