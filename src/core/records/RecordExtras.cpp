#include "records/RecordExtras.h"

const std::string RecordExtras::kNone;

const std::string& RecordExtras::surplusOf(std::size_t firstField) const {
    for (const auto& [field, words] : surplus) {
        if (field == firstField) {
            return words;
        }
    }
    return kNone;
}

void RecordExtras::AddSurplus(std::size_t firstField, std::string words) {
    if (!words.empty()) {
        surplus.emplace_back(firstField, std::move(words));
    }
}
