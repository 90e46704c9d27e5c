#include "records/TextEncoding.h"

#include <algorithm>

namespace {
bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
} // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned char low = 0x80; // the range of the byte after the lead
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes[i + k]))) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

TextEncoding DetectEncoding(std::string_view bytes) {
    const bool highByte =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
    return highByte && IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}
