#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

// One record found by the splitter: its text runs from the group's opening
// parenthesis up to, not including, the closing one.
struct RecordGroup {
    std::string_view text;
    bool commented = false; // the opening parenthesis directly follows a ";"
};

struct SplitResult {
    // The line (counted from 1) where a top-level group opened that is still
    // open at the end of the bytes; nothing after its "(" became a record.
    std::optional<std::size_t> openGroupLine;
};

// Cuts a record file into its top-level parenthesised groups by counting
// parentheses; a ")" with no group open closes nothing. A completed group is
// a record only when it starts with the keyword (StartsWithKeyword); every
// other group is skipped.
SplitResult SplitRecords(std::string_view bytes, std::string_view keyword,
                         const std::function<void(const RecordGroup&)>& onRecord);

// True when `text` is "(", blanks if any, the keyword, and then a byte that
// is not a letter, digit or "_" (or nothing).
bool StartsWithKeyword(std::string_view text, std::string_view keyword);

// The word (letters, digits, "_") right after the "(" and blanks that start `text`.
std::string_view LeadingWord(std::string_view text);

// The line of a byte position, counted from 1; CR LF, a lone CR and a lone LF each end a line.
std::size_t LineOf(std::string_view bytes, std::size_t position);
