#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// A reader splits a group's values at runs of blanks, so an empty value
// written between two others would let the next value move into its slot.
// The writers therefore write an empty value as "0" (what the pages store
// for text that is not a number) when a value or surplus words follow it in
// the same group; empty values at the group's end are written empty.

// How many of a group's values, from the first, are written filled: up to
// the last one that is not empty, or all of them when surplus words follow.
inline std::size_t FilledValueCount(std::span<const std::string> values, bool surplusFollows) {
    if (surplusFollows) {
        return values.size();
    }
    std::size_t filled = values.size();
    while (filled > 0 && values[filled - 1].empty()) {
        --filled;
    }
    return filled;
}

// The text of the value at `position` of a group whose first `filled` values are written filled.
inline std::string_view WrittenValue(const std::string& value, std::size_t position, std::size_t filled) {
    return value.empty() && position < filled ? std::string_view("0") : std::string_view(value);
}
