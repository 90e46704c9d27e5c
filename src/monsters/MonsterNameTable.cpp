#include "monsters/MonsterNameTable.h"

#include "records/ExtractValues.h"
#include "records/GroupSplitter.h"

namespace {
const std::string kEmpty;
constexpr std::string_view kKeyword = "monstername";
} // namespace

void MonsterNameTable::clear() {
    entries_.fill(MonsterNameEntry{});
}

const std::string& MonsterNameTable::MonsterNameFor(long long k) const {
    if (k < 1 || k > static_cast<long long>(kCapacity)) {
        return kEmpty;
    }
    return entries_[static_cast<std::size_t>(k - 1)].displayName;
}

MonsterNameEntry ParseMonsterNameRecord(std::string_view text) {
    MonsterNameEntry entry;
    const std::size_t afterKeyword = FindKey(text, kKeyword, 0);
    const std::size_t firstQuote = text.find('"');
    if (afterKeyword != kKeyNotFound) {
        // The number runs up to the second byte before the next quote: the byte
        // right before the quote is the separating space.
        const std::size_t nextQuote = text.find('"', afterKeyword);
        const std::size_t end = nextQuote == std::string_view::npos ? text.size()
                                : nextQuote >= afterKeyword + 1     ? nextQuote - 1
                                                                    : afterKeyword;
        for (std::size_t i = afterKeyword; i < end; ++i) {
            if (text[i] != ' ') {
                entry.number += text[i];
            }
        }
    }
    if (firstQuote != std::string_view::npos) {
        const std::size_t closing = text.find('"', firstQuote + 1);
        if (closing != std::string_view::npos) {
            entry.displayName = std::string(text.substr(firstQuote + 1, closing - firstQuote - 1));
        }
    }
    return entry;
}

MonsterNamesLoad ParseMonsterNames(std::string_view bytes, MonsterNameTable& table) {
    table.clear();
    MonsterNamesLoad load;
    SplitRecords(bytes, kKeyword, [&](const RecordGroup& group) {
        if (load.stored == MonsterNameTable::kCapacity) {
            ++load.leftOut;
            return;
        }
        table[load.stored++] = ParseMonsterNameRecord(group.text);
    });
    return load;
}
