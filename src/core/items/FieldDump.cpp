#include "items/FieldDump.h"

#include "records/IntegerText.h"

namespace {
std::string fieldOrEmpty(const ItemRow& row, std::int32_t field) {
    if (field < 0 || static_cast<std::size_t>(field) >= ItemRow::kFieldCount) {
        return {};
    }
    return row.fields[static_cast<std::size_t>(field)];
}
} // namespace

std::vector<std::string> DumpFields(const ItemTable& items, std::string_view first, std::string_view second) {
    std::vector<std::string> lines;
    for (std::size_t row = 0;; ++row) {
        const std::int32_t a = StrToInt(first);
        const std::int32_t b = StrToInt(second);
        lines.push_back(fieldOrEmpty(items[row], a) + "=" + fieldOrEmpty(items[row], b));
        if (row + 1 >= items.size() || items[row + 1][ItemField::NameNumber].empty()) {
            break;
        }
    }
    return lines;
}
