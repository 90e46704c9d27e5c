#pragma once

#include "records/TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An entry of a list as find sees it: the text the list shows and the index
// of the record behind it, both as stored; an empty index for none.
struct FindEntry {
    std::string text;
    std::string index;
};

// Where find looks: from the first entry on, or after or before the current
// entry, round the end of the list to its other end.
enum class FindStep { First, Next, Previous };

// The first entry, in the order of `step`, whose text (in `encoding`)
// contains `typed` without regard to case or whose index is `typed`; nothing
// when none matches or nothing was typed. `typed` is UTF-8. Without a current
// entry, Next starts at the first entry and Previous at the last; the current
// entry is the last one looked at, so it is found again when it alone matches.
std::optional<std::size_t> FindInList(const std::vector<FindEntry>& entries, TextEncoding encoding,
                                      std::string_view typed, std::optional<std::size_t> current,
                                      FindStep step);
