#pragma once

#include <string_view>

// How the text of a file is shown and edited. A file whose bytes are valid
// UTF-8 and hold a byte above 127 (a UTF-8 byte order mark counts) is UTF-8;
// any other file is 8-bit Latin-1, every byte one character. Either way the
// bytes of a field are kept exactly as read.
enum class TextEncoding { Latin1, Utf8 };

TextEncoding DetectEncoding(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);
