#pragma once

#include <cstddef>
#include <string_view>

// Where a record stood in the bytes of the file it was read from, as offsets
// into them.
struct RecordSpan {
    static constexpr std::size_t npos = std::string_view::npos;

    std::size_t begin = 0; // its ";" mark when it is commented out, else its "("
    std::size_t open = 0;  // its "("
    std::size_t end = 0;   // just after its ")"
    // Where its bytes end when new text replaces them: `end`, or the end of
    // the trailing comment that follows it on its line.
    std::size_t replaceEnd = 0;
    // Just after the first line end that follows it outside every group: where
    // a record added after it starts. npos when the file ends first.
    std::size_t lineEnd = npos;
    // Its trailing comment (Etc.txt): the text after the ";" up to the line end.
    std::size_t commentBegin = 0;
    std::size_t commentEnd = 0;

    // The record text as the readers take it: from its "(" up to, not including, its ")".
    std::string_view RecordText(std::string_view bytes) const { return bytes.substr(open, end - 1 - open); }
    std::string_view Comment(std::string_view bytes) const {
        return bytes.substr(commentBegin, commentEnd - commentBegin);
    }
    bool Commented() const { return begin != open; }
};
