#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Positions are 0-based offsets into a record text.
inline constexpr std::size_t kKeyNotFound = std::string_view::npos;

// Offset just after the first occurrence of `key` at or after `start`
// (a plain byte comparison: the letters may stand inside a longer word), or kKeyNotFound.
std::size_t FindKey(std::string_view text, std::string_view key, std::size_t start);

// Copies the space-separated values after `key` into consecutive slots,
// starting at slots[0]: a byte that is not a space is appended to the current
// slot, a space moves on to the next slot, and the scan stops at the ")" that
// follows a value (the byte right after the key is always taken in). Values
// that would go past the end of `slots` are dropped, and the scan never reads
// past the end of the text. Returns where the next key's search starts: the
// closing parenthesis, or `start` when the key is not there.
std::size_t ExtractValues(std::string_view text, std::string_view key, std::span<std::string> slots,
                          std::size_t start);

// Stores the raw contents of the key's own group, from the byte right after
// the key up to the parenthesis that closes the group (nested groups counted),
// exclusive; nothing when ")" directly follows the key. Returns where the
// search for a next key starts, or `start` when the key is not there.
std::size_t ReadRawGroup(std::string_view text, std::string_view key, std::string& slot, std::size_t start);
