#include "monsters/MonsterNamesReader.h"

#include "records/ByteClasses.h"
#include "records/GroupSplitter.h"

namespace {
constexpr std::string_view kKeyword = "monstername";

// Fills an empty entry (a reader fills the table's own entries in place).
void readMonsterName(std::string_view text, MonsterNameEntry& entry) {
    const std::size_t firstQuote = text.find('"');
    const std::string_view keyword = LeadingWord(text);
    if (keyword == kKeyword) {
        // The number runs up to the second byte before the next quote: the byte
        // right before the quote is the separating blank.
        const std::size_t afterKeyword =
            static_cast<std::size_t>(keyword.data() - text.data()) + keyword.size();
        const std::size_t nextQuote = firstQuote >= afterKeyword ? firstQuote : text.find('"', afterKeyword);
        const std::size_t end = nextQuote == std::string_view::npos ? text.size()
                                : nextQuote >= afterKeyword + 1     ? nextQuote - 1
                                                                    : afterKeyword;
        for (std::size_t i = afterKeyword; i < end; ++i) {
            if (!IsBlank(text[i])) {
                entry.number += text[i];
            }
        }
    }
    if (firstQuote != std::string_view::npos) {
        const std::size_t closing = text.find('"', firstQuote + 1);
        if (closing != std::string_view::npos) {
            entry.displayName = text.substr(firstQuote + 1, closing - firstQuote - 1);
        }
    }
}
} // namespace

MonsterNameEntry ParseMonsterNameRecord(std::string_view text) {
    MonsterNameEntry entry;
    readMonsterName(text, entry);
    return entry;
}

MonsterNamesLoad ParseMonsterNames(std::string_view bytes, MonsterNameTable& table) {
    table.clear();
    MonsterNamesLoad load;
    // The names file has no comment syntax: every record counts, as its position names a number.
    const SplitResult split = SplitRecords(
        bytes, kKeyword,
        [&](const RecordOpening& record) {
            const std::size_t close = ClosingParenthesis(bytes, record.open);
            if (close != std::string_view::npos) {
                readMonsterName(bytes.substr(record.open, close - record.open), table.Append());
            }
            return close;
        },
        LineComments::No);
    load.stored = table.size();
    load.encoding = DetectEncoding(bytes);
    if (split.openGroupLine) {
        load.notes.push_back(OpenGroupNote(*split.openGroupLine));
    }
    return load;
}
