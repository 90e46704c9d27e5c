#include "records/ExtractValues.h"

#include "records/ByteClasses.h"
#include "records/GroupSplitter.h"

namespace {
// Stores the words of text[from, end): the first ones into the fields, the rest into `surplus`.
void storeWords(std::string_view text, std::size_t from, std::size_t end, std::span<std::string> fields,
                std::string& surplus) {
    std::size_t field = 0;
    std::size_t at = from;
    while (at < end) {
        while (at < end && IsBlank(text[at])) {
            ++at;
        }
        const std::size_t wordStart = at;
        while (at < end && !IsBlank(text[at])) {
            ++at;
        }
        if (at == wordStart) {
            break;
        }
        const std::string_view word = text.substr(wordStart, at - wordStart);
        if (field < fields.size()) {
            fields[field++] = word;
        } else {
            surplus += ' ';
            surplus += word;
        }
    }
}

std::size_t firstParenthesis(std::string_view text, std::size_t from) {
    while (from < text.size() && text[from] != '(' && text[from] != ')') {
        ++from;
    }
    return from;
}
} // namespace

std::size_t ExtractValues(RecordText& record, std::string_view key, std::span<std::string> fields,
                          std::string& surplus, std::size_t start) {
    const std::optional<RecordText::KeyGroup> found = record.FindKeyGroup(key, start);
    if (!found) {
        return start;
    }
    record.Take(found->group);
    const std::size_t end = record.FirstCloseIn(found->group, found->afterKey);
    storeWords(record.text(), found->afterKey, end, fields, surplus);
    return found->forward ? end : start;
}

std::size_t ReadRawGroup(RecordText& record, std::string_view key, std::string& field, std::size_t start) {
    const std::optional<RecordText::KeyGroup> found = record.FindKeyGroup(key, start);
    if (!found) {
        return start;
    }
    record.Take(found->group);
    const std::size_t end = record.GroupClose(found->group);
    field = record.text().substr(found->afterKey, end - found->afterKey);
    return found->forward ? end : start;
}

void ExtractKeywordValues(const RecordText& record, std::span<std::string> fields, std::string& surplus) {
    const std::string_view text = record.text();
    const std::string_view keyword = LeadingWord(text);
    const std::size_t from = static_cast<std::size_t>(keyword.data() - text.data()) + keyword.size();
    storeWords(text, from, firstParenthesis(text, from), fields, surplus);
}
