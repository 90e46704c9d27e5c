#include "records/WrittenValues.h"

std::size_t FilledValueCount(std::span<const std::string> values, bool surplusFollows) {
    if (surplusFollows) {
        return values.size();
    }
    std::size_t filled = values.size();
    while (filled > 0 && values[filled - 1].empty()) {
        --filled;
    }
    return filled;
}

std::string_view WrittenValue(const std::string& value, std::size_t position, std::size_t filled) {
    return value.empty() && position < filled ? std::string_view("0") : std::string_view(value);
}
