#pragma once

#include "records/RecordSpan.h"
#include "records/RecordText.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// One record found by the splitter: its text runs from the group's opening
// parenthesis up to, not including, the closing one.
struct RecordGroup {
    std::string_view text;
    bool commented = false; // a ";" marks it commented out
    // Its top-level groups, found on the same pass (RecordText takes them).
    std::span<RecordText::Group> groups;
};

struct SplitResult {
    // The line (counted from 1) where a top-level group opened that is still
    // open at the end of the bytes; nothing after its "(" became a record.
    std::optional<std::size_t> openGroupLine;
    // Where each record stood, in the order they were handed over.
    std::vector<RecordSpan> spans;
};

// Whether a ";" outside every group starts comment text. In a file without
// comments a ";" is text like any other.
enum class LineComments { Yes, No };

// Cuts a record file into its top-level parenthesised groups by counting
// parentheses; a ")" with no group open closes nothing. A completed group is
// a record only when it starts with the keyword (StartsWithKeyword); every
// other group is skipped. With line comments, a ";" outside every group
// starts comment text that ends with its line, whose parentheses open and
// close nothing; only a ";" followed by blanks if any and a record of the
// keyword (MarkedGroup) marks that record commented out instead.
SplitResult SplitRecords(std::string_view bytes, std::string_view keyword,
                         const std::function<void(const RecordGroup&)>& onRecord,
                         LineComments comments = LineComments::Yes);

// True when `text` is "(", blanks if any, the keyword, and then a byte that
// is not a letter, digit or "_" (or nothing).
bool StartsWithKeyword(std::string_view text, std::string_view keyword);

// The word (letters, digits, "_") right after the "(" and blanks that start `text`.
std::string_view LeadingWord(std::string_view text);

// The "(" that follows the ";" at `semicolon` after spaces and tabs if any;
// npos when anything else follows first.
std::size_t MarkedGroup(std::string_view bytes, std::size_t semicolon);

// The first line end at or after `at`; the size of the bytes when none follows.
std::size_t LineEndFrom(std::string_view bytes, std::size_t at);

// Just after the line end at `at` (a CR LF counts as one).
std::size_t AfterLineEnd(std::string_view bytes, std::size_t at);

// The line of a byte position, counted from 1; CR LF, a lone CR and a lone LF each end a line.
std::size_t LineOf(std::string_view bytes, std::size_t position);
