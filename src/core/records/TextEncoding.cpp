#include "records/TextEncoding.h"

#include <cstdint>
#include <cstring>

namespace {
// Whether none of eight bytes has its high bit set.
bool allAscii(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}
} // namespace

void EncodingDetector::Feed(std::string_view block) {
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (!valid_) {
            return;
        }
        // Most text is plain ASCII: pass it eight bytes at a time.
        while (expected_ == 0 && i + 8 <= block.size() && allAscii(block.data() + i)) {
            i += 8;
        }
        if (i == block.size()) {
            return;
        }
        const auto byte = static_cast<unsigned char>(block[i]);
        if (expected_ > 0) {
            valid_ = byte >= low_ && byte <= high_;
            low_ = 0x80;
            high_ = 0xBF;
            --expected_;
            continue;
        }
        if (byte < 0x80) {
            continue;
        }
        highByte_ = true;
        // The lead byte tells the length and bounds the byte after it.
        if (byte >= 0xC2 && byte <= 0xDF) {
            expected_ = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            expected_ = 2;
            low_ = byte == 0xE0 ? 0xA0 : 0x80;
            high_ = byte == 0xED ? 0x9F : 0xBF;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            expected_ = 3;
            low_ = byte == 0xF0 ? 0x90 : 0x80;
            high_ = byte == 0xF4 ? 0x8F : 0xBF;
        } else {
            valid_ = false;
        }
    }
}

TextEncoding EncodingDetector::Result() const {
    return valid_ && expected_ == 0 && highByte_ ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

TextEncoding DetectEncoding(std::string_view bytes) {
    EncodingDetector detector;
    detector.Feed(bytes);
    return detector.Result();
}
