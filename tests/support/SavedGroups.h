#pragma once

#include "records/RecordText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// The top-level groups of a record, from its "(" up to its ")", each with
// its blanks tidied (TidyGroup), so that groups written with other blanks
// compare equal.
inline std::vector<std::string> TidiedGroups(std::string_view record) {
    std::vector<std::string> groups;
    std::size_t depth = 0;
    std::size_t open = 0;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] == '(' && depth++ == 1) {
            open = i;
        } else if (record[i] == ')' && depth > 0 && --depth == 1) {
            groups.push_back(TidyGroup(record.substr(open, i - open + 1)));
        }
    }
    return groups;
}

inline std::vector<std::string> Sorted(std::vector<std::string> groups) {
    std::ranges::sort(groups);
    return groups;
}

// The groups of `from` that `in` does not hold, each as often as it is missing, sorted.
inline std::vector<std::string> MissingGroups(const std::vector<std::string>& from,
                                              const std::vector<std::string>& in) {
    std::vector<std::string> missing;
    std::ranges::set_difference(Sorted(from), Sorted(in), std::back_inserter(missing));
    return missing;
}

// The record of a saved line: from its first "(" up to the ")" that closes it.
inline std::string_view RecordOf(std::string_view line) {
    const std::size_t open = line.find('(');
    std::size_t depth = 0;
    for (std::size_t i = open; i < line.size(); ++i) {
        if (line[i] == '(') {
            ++depth;
        } else if (line[i] == ')' && --depth == 0) {
            return line.substr(open, i - open + 1);
        }
    }
    return line.substr(open);
}

// Lines as a writer saves them, each followed by CR LF.
inline std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The lines of a saved file, split at CR LF.
inline std::vector<std::string> SavedLines(std::string_view file) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < file.size();) {
        const std::size_t end = file.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(file.substr(start));
            break;
        }
        lines.emplace_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A record a generator put into a file, and the tidied groups a save of it
// leaves out on purpose.
struct GeneratedRecord {
    std::string text; // from its "(" to its ")"
    bool commented = false;
    std::vector<std::string> dropped = {};

    // Its line in the file: ";" for a commented record, then the text.
    std::string line() const { return (commented ? ";" : "") + text; }
};

// The saved line of a generated record keeps the record's mark and every
// group of it but those dropped on purpose, and adds only groups `mayAdd` allows.
template <typename MayAdd>
void ExpectGroupsKept(const GeneratedRecord& record, std::string_view line, MayAdd mayAdd) {
    const std::vector<std::string> read = TidiedGroups(record.text);
    const std::vector<std::string> saved = TidiedGroups(RecordOf(line));
    EXPECT_EQ(MissingGroups(read, saved), Sorted(record.dropped)) << record.text;
    for (const std::string& added : MissingGroups(saved, read)) {
        EXPECT_TRUE(mayAdd(added)) << line << " gained " << added;
    }
    EXPECT_EQ(line.starts_with(';'), record.commented) << line;
}

inline bool NothingAdded(std::string_view) {
    return false;
}
