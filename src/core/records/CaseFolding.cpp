#include "records/CaseFolding.h"

namespace {
bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character starting at `at`, moving `at` past it.
char32_t decodeUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t character = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!continuation(byte)) {
            ++at;
            return lead;
        }
        character = character << 6 | (byte & 0x3F);
    }
    at += length;
    return character;
}

bool inRange(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

// The lower case of a letter, where the case pairs are next to each other.
char32_t foldPair(char32_t c, bool upperIsEven) {
    return (c % 2 == 0) == upperIsEven ? c + 1 : c;
}

char32_t fold(char32_t c) {
    if (inRange(c, U'A', U'Z') || (inRange(c, 0xC0, 0xDE) && c != 0xD7) ||
        (inRange(c, 0x391, 0x3AB) && c != 0x3A2) || inRange(c, 0x410, 0x42F)) {
        return c + 0x20;
    }
    if (inRange(c, 0x100, 0x12F) || inRange(c, 0x132, 0x137) || inRange(c, 0x14A, 0x177)) {
        return foldPair(c, true);
    }
    if (inRange(c, 0x139, 0x148) || inRange(c, 0x179, 0x17E)) {
        return foldPair(c, false);
    }
    if (inRange(c, 0x400, 0x40F)) {
        return c + 0x50;
    }
    switch (c) {
    case 0x178: // Y with diaeresis
        return 0xFF;
    case 0x17F: // long s
        return U's';
    case 0x3C2: // final sigma
        return 0x3C3;
    default:
        return c;
    }
}
} // namespace

std::u32string FoldCase(std::string_view text, TextEncoding encoding) {
    std::u32string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c =
            encoding == TextEncoding::Utf8 ? decodeUtf8(text, at) : static_cast<unsigned char>(text[at++]);
        folded.push_back(fold(c));
    }
    return folded;
}
