#include "records/GroupSplitter.h"

namespace {
bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
} // namespace

bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
    if (text.size() < keyword.size() + 1 || text[0] != '(' || text.substr(1, keyword.size()) != keyword) {
        return false;
    }
    return text.size() == keyword.size() + 1 || !isWordByte(text[keyword.size() + 1]);
}

void SplitRecords(std::string_view bytes, std::string_view keyword,
                  const std::function<void(const RecordGroup&)>& onRecord) {
    long long depth = 0;
    std::size_t groupStart = 0;
    bool inGroup = false;
    bool commented = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        }
        if (depth > 0 && !inGroup) {
            inGroup = true;
            groupStart = i;
            commented = i > 0 && bytes[i - 1] == ';';
        } else if (depth == 0 && inGroup) {
            inGroup = false;
            const std::string_view text = bytes.substr(groupStart, i - groupStart);
            if (StartsWithKeyword(text, keyword)) {
                onRecord(RecordGroup{text, commented});
            }
        }
    }
}
