#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Finds the few bytes a scan has to look at among many it passes: sixteen
// bytes at a time are compared with every byte looked for at once.

static_assert(std::endian::native == std::endian::little, "a block's first byte is its lowest");

namespace byte_marks {
// Bit k set when byte k of the sixteen at `bytes` is one of `Bytes`.
template <char... Bytes> std::uint64_t blockMarks(const char* bytes) {
    using Block = char __attribute__((vector_size(16)));
    using Halves = std::uint64_t __attribute__((vector_size(16)));
    Block block;
    std::memcpy(&block, bytes, sizeof block);
    const auto marked = reinterpret_cast<Halves>(((block == Bytes) | ...));
    // Each byte of a half is 0x00 or 0xFF: the product gathers their top bits into the top byte.
    constexpr std::uint64_t kTopBits = 0x8080808080808080ULL;
    constexpr std::uint64_t kGather = 0x0002040810204081ULL;
    return ((marked[0] & kTopBits) * kGather >> 56) | ((marked[1] & kTopBits) * kGather >> 56 << 8);
}
} // namespace byte_marks

// Bit k set when byte `from` + k, of the 64 bytes from `from` on, is one of
// `Bytes`; no bit stands for a byte past the end.
template <char... Bytes> std::uint64_t MarksFrom(std::string_view bytes, std::size_t from) {
    const std::size_t count = std::min<std::size_t>(64, bytes.size() - from);
    std::uint64_t marks = 0;
    std::size_t k = 0;
    for (; k + 16 <= count; k += 16) {
        marks |= byte_marks::blockMarks<Bytes...>(bytes.data() + from + k) << k;
    }
    for (; k < count; ++k) {
        if (((bytes[from + k] == Bytes) || ...)) {
            marks |= std::uint64_t{1} << k;
        }
    }
    return marks;
}

// The first of `Bytes` at or after `from`; the size of the bytes when none follows.
template <char... Bytes> std::size_t FindFirstOf(std::string_view bytes, std::size_t from) {
    for (; from + 16 <= bytes.size(); from += 16) {
        if (const std::uint64_t marks = byte_marks::blockMarks<Bytes...>(bytes.data() + from); marks != 0) {
            return from + static_cast<std::size_t>(std::countr_zero(marks));
        }
    }
    while (from < bytes.size() && ((bytes[from] != Bytes) && ...)) {
        ++from;
    }
    return from;
}

// Calls `step(at)` at every byte of `bytes` that is one of `Bytes`, in file
// order, taking them from a mask of 64 bytes at a time; `step` gives the last
// position it took, and the pass goes on after it.
template <char... Bytes, typename Step> void StepThroughMarks(std::string_view bytes, Step step) {
    for (std::size_t block = 0; block < bytes.size();) {
        std::uint64_t marks = MarksFrom<Bytes...>(bytes, block);
        std::size_t next = block + 64;
        while (marks != 0) {
            const std::size_t after = step(block + static_cast<std::size_t>(std::countr_zero(marks))) + 1;
            if (after - block >= 64) {
                next = after;
                break;
            }
            marks &= ~std::uint64_t{0} << (after - block);
        }
        block = next;
    }
}
