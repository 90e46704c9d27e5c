#pragma once

#include "support/HostileInputs.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>

// Checks that a reader's load time grows linearly with its input: the input
// must load within a generous time per megabyte, and the same input twice in
// a row must take at most about twice as long as the input once (a quadratic
// reader takes four times as long). `load` runs the reader over the bytes.
template <typename Load> void ExpectLinearLoadTime(const HostileInput& input, Load load) {
    // Processor time of this thread, so that other work on a busy machine
    // does not count.
    const auto now = [] {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
    };
    const auto seconds = [&load, &now](std::string_view bytes) {
        const double start = now();
        load(bytes);
        return now() - start;
    };
    // Sanitized builds run several times slower; the bound still catches
    // anything worse than linear on the large inputs.
    constexpr double kSecondsPerMegabyte = 3.0;
    constexpr double kSlackSeconds = 0.25;
    const double megabytes = static_cast<double>(input.bytes.size()) / 1e6;
    const double once = seconds(input.bytes);
    EXPECT_LT(once, kSecondsPerMegabyte * megabytes + kSlackSeconds)
        << input.name << ": " << once << " s for " << megabytes << " MB";
    // BRENNICK_SHOW_TIMES=1 prints every load time.
    if (std::getenv("BRENNICK_SHOW_TIMES") != nullptr) {
        std::cout << input.name << ": " << once << " s\n";
    }
    if (input.bytes.size() > kDoublingCheckLimit) {
        return;
    }
    const std::string twice = input.bytes + input.bytes;
    const double doubled = seconds(twice);
    EXPECT_LT(doubled, 3.0 * once + 0.1)
        << input.name << ": " << once << " s once, " << doubled << " s doubled";
}
