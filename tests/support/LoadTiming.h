#pragma once

#include "support/HostileInputs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Checks that a reader's load time grows linearly with its input: the input
// must load within a generous time per megabyte, and the same input twice in
// a row must take at most about twice as long as the input once (a quadratic
// reader takes four times as long). `load` runs the reader over the bytes.
template <typename Load> void ExpectLinearLoadTime(const HostileInput& input, Load load) {
    using Clock = std::chrono::steady_clock;
    const auto seconds = [&load](std::string_view bytes) {
        const auto start = Clock::now();
        load(bytes);
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    // Sanitized builds run several times slower; the bound still catches
    // anything worse than linear on the large inputs.
    constexpr double kSecondsPerMegabyte = 3.0;
    constexpr double kSlackSeconds = 0.25;
    const double megabytes = static_cast<double>(input.bytes.size()) / 1e6;
    const double once = seconds(input.bytes);
    EXPECT_LT(once, kSecondsPerMegabyte * megabytes + kSlackSeconds)
        << input.name << ": " << once << " s for " << megabytes << " MB";
    if (input.bytes.size() > kDoublingCheckLimit) {
        return;
    }
    const std::string twice = input.bytes + input.bytes;
    const double doubled = seconds(twice);
    EXPECT_LT(doubled, 3.0 * once + 0.1)
        << input.name << ": " << once << " s once, " << doubled << " s doubled";
}
