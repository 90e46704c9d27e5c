#include "records/GroupSplitter.h"

#include "records/ByteClasses.h"
#include "records/ByteMarks.h"

#include <bit>
#include <cstdint>

namespace {
std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    return at;
}

// Records closed on the current line learn where the line ends once it does.
class LineEnds {
  public:
    explicit LineEnds(std::vector<RecordSpan>& spans) : spans_(spans) {}

    void ended(std::size_t after) {
        for (; waiting_ < spans_.size(); ++waiting_) {
            spans_[waiting_].lineEnd = after;
        }
    }

  private:
    std::vector<RecordSpan>& spans_;
    std::size_t waiting_ = 0;
};
} // namespace

bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
    if (text.empty() || text[0] != '(') {
        return false;
    }
    const std::size_t at = skipBlanks(text, 1);
    if (text.substr(at, keyword.size()) != keyword) {
        return false;
    }
    const std::size_t after = at + keyword.size();
    return after == text.size() || !IsWordByte(text[after]);
}

std::string_view LeadingWord(std::string_view text) {
    const std::size_t start = text.empty() ? 0 : skipBlanks(text, 1);
    std::size_t end = start;
    while (end < text.size() && IsWordByte(text[end])) {
        ++end;
    }
    return text.substr(start, end - start);
}

std::size_t MarkedGroup(std::string_view bytes, std::size_t semicolon) {
    std::size_t at = semicolon + 1;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t')) {
        ++at;
    }
    return at < bytes.size() && bytes[at] == '(' ? at : std::string_view::npos;
}

std::size_t LineEndFrom(std::string_view bytes, std::size_t at) {
    while (at < bytes.size() && !IsLineEnd(bytes[at])) {
        ++at;
    }
    return at;
}

std::size_t AfterLineEnd(std::string_view bytes, std::size_t at) {
    return bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n' ? at + 2 : at + 1;
}

std::size_t LineOf(std::string_view bytes, std::size_t position) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < position && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

std::size_t ClosingParenthesis(std::string_view bytes, std::size_t open) {
    std::size_t depth = 0;
    for (std::size_t block = open; block < bytes.size(); block += 64) {
        for (std::uint64_t marks = MarksFrom<'(', ')'>(bytes, block); marks != 0; marks &= marks - 1) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(marks));
            if (bytes[at] == '(') {
                ++depth;
            } else if (--depth == 0) {
                return at;
            }
        }
    }
    return std::string_view::npos;
}

SplitResult SplitRecords(std::string_view bytes, std::string_view keyword,
                         const std::function<std::size_t(const RecordOpening&)>& readRecord,
                         LineComments comments) {
    SplitResult result;
    LineEnds lineEnds(result.spans);
    std::size_t depth = 0; // of a group that is no record
    std::size_t groupStart = 0;
    std::optional<std::size_t> openRecord; // a record the bytes end in
    // A record opening at `open`, marked from `begin`: read whole, the pass goes on at its ")".
    const auto record = [&](std::size_t begin, std::size_t open) {
        const std::size_t close = readRecord(RecordOpening{open, begin != open});
        if (close == std::string_view::npos) {
            openRecord = open;
            return bytes.size() - 1;
        }
        result.spans.push_back({.begin = begin, .open = open, .end = close + 1, .replaceEnd = close + 1});
        return close;
    };
    // Handles the byte at `i`, one that may matter; gives the last position it took.
    const auto step = [&](std::size_t i) {
        const char c = bytes[i];
        if (depth > 0) {
            // Inside a group only parentheses count.
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            }
        } else if (c == '(') {
            if (StartsWithKeyword(bytes.substr(i), keyword)) {
                return record(i, i);
            }
            depth = 1;
            groupStart = i;
        } else if (c == ';' && comments == LineComments::Yes) {
            const std::size_t marked = MarkedGroup(bytes, i);
            if (marked != std::string_view::npos && StartsWithKeyword(bytes.substr(marked), keyword)) {
                return record(i, marked);
            }
            // Comment text: the pass goes on at its line end.
            i = LineEndFrom(bytes, i) - 1;
        } else if (IsLineEnd(c)) {
            lineEnds.ended(AfterLineEnd(bytes, i));
        }
        return i;
    };
    // Only parentheses, ";" and line ends matter; the pass steps over every other byte.
    StepThroughMarks<'(', ')', ';', '\r', '\n'>(bytes, step);
    if (depth > 0) {
        result.openGroupLine = LineOf(bytes, groupStart);
    } else if (openRecord) {
        result.openGroupLine = LineOf(bytes, *openRecord);
    }
    return result;
}
