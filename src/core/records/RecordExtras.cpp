#include "records/RecordExtras.h"

const std::string& RecordExtras::SurplusOf(std::size_t firstField) const {
    static const std::string none;
    for (const auto& [field, words] : surplus) {
        if (field == firstField) {
            return words;
        }
    }
    return none;
}

void RecordExtras::AddSurplus(std::size_t firstField, std::string words) {
    if (!words.empty()) {
        surplus.emplace_back(firstField, std::move(words));
    }
}
