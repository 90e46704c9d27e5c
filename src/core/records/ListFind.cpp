#include "records/ListFind.h"

#include "records/CaseFolding.h"

std::optional<std::size_t> FindInList(const std::vector<FindEntry>& entries, TextEncoding encoding,
                                      std::string_view typed, std::optional<std::size_t> current,
                                      FindStep step) {
    const std::size_t count = entries.size();
    if (typed.empty() || count == 0) {
        return std::nullopt;
    }
    if (current >= count) {
        current.reset();
    }
    const bool backwards = step == FindStep::Previous;
    std::size_t start = backwards ? count - 1 : 0;
    if (current && step != FindStep::First) {
        start = backwards ? (*current + count - 1) % count : (*current + 1) % count;
    }
    const std::u32string folded = FoldCase(typed, TextEncoding::Utf8);
    for (std::size_t looked = 0; looked < count; ++looked) {
        const std::size_t entry = backwards ? (start + count - looked) % count : (start + looked) % count;
        if (entries[entry].index == typed ||
            FoldCase(entries[entry].text, encoding).find(folded) != std::u32string::npos) {
            return entry;
        }
    }
    return std::nullopt;
}
