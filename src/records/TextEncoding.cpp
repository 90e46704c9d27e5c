#include "records/TextEncoding.h"

void EncodingDetector::Feed(std::string_view block) {
    for (const char c : block) {
        if (!valid_) {
            return;
        }
        const auto byte = static_cast<unsigned char>(c);
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
