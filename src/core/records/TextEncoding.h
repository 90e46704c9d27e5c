#pragma once

#include <string_view>

// How the text of a file is shown and edited. A file whose bytes are valid
// UTF-8 and hold a byte above 127 (a UTF-8 byte order mark counts) is UTF-8;
// any other file is 8-bit Latin-1, every byte one character. Either way the
// bytes of a field are kept exactly as read.
enum class TextEncoding { Latin1, Utf8 };

// Decides the encoding of a file that arrives in blocks: a UTF-8 check, byte
// by byte, that no overlong form, surrogate or code point past U+10FFFF passes.
class EncodingDetector {
  public:
    void Feed(std::string_view block);
    TextEncoding Result() const;

  private:
    bool valid_ = true;
    bool highByte_ = false;
    int expected_ = 0; // continuation bytes still to come
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
};

TextEncoding DetectEncoding(std::string_view bytes);
