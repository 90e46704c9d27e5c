#pragma once

#include "records/TextEncoding.h"

#include <string>
#include <string_view>

// The characters of a text in its file's encoding, every letter in one case,
// so that texts compare without regard to case. Letters of the Latin, Greek
// and Cyrillic alphabets are folded; other characters stay as they are. In
// UTF-8 text a byte that starts no valid sequence counts as its Latin-1 character.
std::u32string FoldCase(std::string_view text, TextEncoding encoding);
