#include "records/ByteMarks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {
// 100 bytes of every value but the two looked for, with ")" at `at`.
std::string oneStopAt(std::size_t at) {
    std::string bytes;
    for (unsigned value = 0; bytes.size() < 100; ++value) {
        if (value % 256 != '(' && value % 256 != ')') {
            bytes += static_cast<char>(value);
        }
    }
    bytes[at] = ')';
    return bytes;
}

TEST(ByteMarks, AByteLookedForIsFoundWhereverItStands) {
    for (std::size_t at = 0; at < 100; ++at) {
        SCOPED_TRACE(at);
        const std::string bytes = oneStopAt(at);
        for (std::size_t from = 0; from <= at; ++from) {
            EXPECT_EQ((FindFirstOf<'(', ')'>(bytes, from)), at);
            const std::uint64_t expected = at - from < 64 ? std::uint64_t{1} << (at - from) : 0;
            EXPECT_EQ((MarksFrom<'(', ')'>(bytes, from)), expected);
        }
        EXPECT_EQ((FindFirstOf<'(', ')'>(bytes, at + 1)), bytes.size());
    }
}
} // namespace
