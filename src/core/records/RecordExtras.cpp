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
