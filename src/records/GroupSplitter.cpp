#include "records/GroupSplitter.h"

#include "records/RecordBytes.h"

namespace {
std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    return at;
}
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

std::size_t LineOf(std::string_view bytes, std::size_t position) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < position && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

SplitResult SplitRecords(std::string_view bytes, std::string_view keyword,
                         const std::function<void(const RecordGroup&)>& onRecord) {
    std::size_t depth = 0;
    std::size_t groupStart = 0;
    bool commented = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '(') {
            if (depth++ == 0) {
                groupStart = i;
                commented = i > 0 && bytes[i - 1] == ';';
            }
        } else if (c == ')' && depth > 0 && --depth == 0) {
            const std::string_view text = bytes.substr(groupStart, i - groupStart);
            if (StartsWithKeyword(text, keyword)) {
                onRecord(RecordGroup{text, commented});
            }
        }
    }
    SplitResult result;
    if (depth > 0) {
        result.openGroupLine = LineOf(bytes, groupStart);
    }
    return result;
}
