#pragma once

#include "records/TextEncoding.h"

#include <QString>

#include <string>
#include <string_view>

// The bytes of a field shown as text in its file's encoding. In Latin-1 every
// byte is one character; valid UTF-8 decodes to the same characters it
// encodes. Either way, text shown and stored again gives back every byte.
QString ToQ(std::string_view bytes, TextEncoding encoding = TextEncoding::Latin1);

// Text typed into a field, as bytes of its file's encoding. A character the
// encoding cannot hold throws BrennickError naming it, so that nothing is stored.
std::string FromQ(const QString& text, TextEncoding encoding = TextEncoding::Latin1);

// A file path as the file system takes it: for the readers, and for the
// messages that name the file.
std::string PathBytes(const QString& path);
