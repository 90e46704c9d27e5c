#pragma once

#include <functional>
#include <string_view>

// One record found by the splitter: its text runs from the group's opening
// parenthesis up to, not including, the closing one.
struct RecordGroup {
    std::string_view text;
    bool commented = false; // the opening parenthesis directly follows a ";"
};

// Cuts a record file into its top-level parenthesised groups by counting
// parentheses (the depth is not clamped and may go below zero). A completed
// group is a record only when its text starts with "(" and `keyword` followed
// by a byte that is not a letter, digit or "_"; every other group is skipped.
// A group still open at the end of the bytes is dropped.
void SplitRecords(std::string_view bytes, std::string_view keyword,
                  const std::function<void(const RecordGroup&)>& onRecord);

// True when `text` starts with "(" + keyword followed by a non-word byte (or nothing).
bool StartsWithKeyword(std::string_view text, std::string_view keyword);
