#pragma once

// What the fuzz targets of the written files share: the check that ends a
// run, the file text of written lines, and the shape of a record that a
// second save must write with the same bytes as the first.

#include "records/GroupSplitter.h"
#include "records/RecordExtras.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Hands out every record of a table for writing, as an edit that changes
// nothing would: a layout-keeping save then compares each with the record as read.
template <typename Table> void HandOutEveryRecord(Table& table) {
    for (std::size_t position = 0; position < table.size(); ++position) {
        static_cast<void>(table[position]);
    }
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

inline bool HoldsParenthesis(std::string_view text) {
    return text.find_first_of("()") != std::string_view::npos;
}

inline bool Balanced(std::string_view text) {
    std::size_t depth = 0;
    for (const char c : text) {
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth-- == 0) {
            return false;
        }
    }
    return depth == 0;
}

// Whether reading the record's line again must give the line back: no value
// or surplus word holds a parenthesis, and every kept group is balanced and,
// when the line writes a group of its key, holds no nested group. Broken
// input can swallow whole records into one kept group; a second save of
// such a record may differ from the first.
template <typename IsLineKey>
bool KeepsItsShape(std::span<const std::string> values, const RecordExtras& extras, IsLineKey isLineKey) {
    for (const std::string& value : values) {
        if (HoldsParenthesis(value)) {
            return false;
        }
    }
    for (const auto& surplus : extras.surplus) {
        if (HoldsParenthesis(surplus.second)) {
            return false;
        }
    }
    for (const std::string& group : extras.kept) {
        if (!Balanced(group) || (isLineKey(LeadingWord(group)) && group.find('(', 1) != std::string::npos)) {
            return false;
        }
    }
    return true;
}
