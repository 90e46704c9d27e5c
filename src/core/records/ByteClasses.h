#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The byte classes of the record syntax, looked up in one table: the readers
// ask for every byte they pass.
namespace byte_classes {
enum : std::uint8_t { kBlank = 1, kWord = 2, kLineEnd = 4 };

constexpr std::array<std::uint8_t, 256> kTable = [] {
    std::array<std::uint8_t, 256> table{};
    for (const unsigned char c : {' ', '\t', '\r', '\n'}) {
        table[c] |= kBlank;
    }
    for (const unsigned char c : {'\r', '\n'}) {
        table[c] |= kLineEnd;
    }
    for (unsigned c = 0; c < 256; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') {
            table[c] |= kWord;
        }
    }
    return table;
}();

constexpr bool Is(char c, std::uint8_t byteClass) {
    return (kTable[static_cast<unsigned char>(c)] & byteClass) != 0;
}
} // namespace byte_classes

// A blank separates words: a space, a tab, a CR or an LF.
constexpr bool IsBlank(char c) {
    return byte_classes::Is(c, byte_classes::kBlank);
}

// A byte that can stand in a key or keyword: a letter, a digit or "_".
constexpr bool IsWordByte(char c) {
    return byte_classes::Is(c, byte_classes::kWord);
}

// A line ends at a CR, an LF or a CR LF.
constexpr bool IsLineEnd(char c) {
    return byte_classes::Is(c, byte_classes::kLineEnd);
}

// The first "(" or ")" at or after `at`; the size of the bytes when none
// follows. Eight bytes are looked at a time: inside a record most bytes are
// values and blanks.
inline std::size_t NextParenthesis(std::string_view bytes, std::size_t at) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    // "(" and ")" differ in their lowest bit only: with it set both are ")".
    constexpr std::uint64_t kCloses = kOnes * static_cast<unsigned char>(')');
    if constexpr (std::endian::native == std::endian::little) {
        for (; at + 8 <= bytes.size(); at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + at, sizeof word);
            const std::uint64_t differs = (word | kOnes) ^ kCloses;
            // The lowest byte flagged here is the first parenthesis (a borrow only runs upwards).
            const std::uint64_t flagged = (differs - kOnes) & ~differs & kHighBits;
            if (flagged != 0) {
                return at + static_cast<std::size_t>(std::countr_zero(flagged)) / 8;
            }
        }
    }
    while (at < bytes.size() && (bytes[at] | 1) != ')') {
        ++at;
    }
    return at;
}
