#pragma once

#include <array>
#include <cstdint>

// The byte classes of the record syntax, looked up in one table: the readers
// ask for every byte they pass.
namespace byte_classes {
enum : std::uint8_t { kBlank = 1, kWord = 2, kLineEnd = 4, kValueEnd = 8 };

constexpr std::array<std::uint8_t, 256> kTable = [] {
    std::array<std::uint8_t, 256> table{};
    for (const unsigned char c : {' ', '\t', '\r', '\n'}) {
        table[c] |= kBlank;
    }
    for (const unsigned char c : {'\r', '\n'}) {
        table[c] |= kLineEnd;
    }
    for (const unsigned char c : {' ', '\t', '\r', '\n', '(', ')'}) {
        table[c] |= kValueEnd;
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

// A value in a group ends at a blank or a parenthesis.
constexpr bool EndsValue(char c) {
    return byte_classes::Is(c, byte_classes::kValueEnd);
}

// A line ends at a CR, an LF or a CR LF.
constexpr bool IsLineEnd(char c) {
    return byte_classes::Is(c, byte_classes::kLineEnd);
}
