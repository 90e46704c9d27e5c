#pragma once

#include "records/RecordSpan.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// Where a record of the keyword opens: its "(", and whether a ";" marks it
// commented out.
struct RecordOpening {
    std::size_t open;
    bool commented = false;
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
// parentheses; a ")" with no group open closes nothing. A group that starts
// with the keyword (StartsWithKeyword) is a record: `readRecord` reads it from
// its opening and gives the position of its closing ")" (ClosingParenthesis),
// where the cut goes on; every other group is skipped. With line comments, a
// ";" outside every group starts comment text that ends with its line, whose
// parentheses open and close nothing; only a ";" followed by blanks if any
// and a record of the keyword (MarkedGroup) marks that record commented out
// instead.
SplitResult SplitRecords(std::string_view bytes, std::string_view keyword,
                         const std::function<std::size_t(const RecordOpening&)>& readRecord,
                         LineComments comments = LineComments::Yes);

// The ")" that closes the group whose "(" stands at `open`; npos when the
// bytes end first.
std::size_t ClosingParenthesis(std::string_view bytes, std::size_t open);

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
