#include "items/ItemNamesReader.h"

#include <string_view>

namespace {
constexpr std::string_view kRecordKeyword = "itemname";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

ItemNameEntry* ItemNamesReader::currentRow() {
    if (load_.lastRow < 0) {
        ++load_.valuesLeftOut;
        return nullptr;
    }
    const auto row = static_cast<std::size_t>(load_.lastRow);
    if (row >= table_.size()) {
        table_.Resize(row + 1);
    }
    return &table_[row];
}

void ItemNamesReader::Step(char b, std::optional<char> a) {
    if (mode_ == Mode::Word && !isBlank(b)) {
        value_ += b;
        if (std::string_view(value_) == kRecordKeyword) {
            ++load_.lastRow;
            value_.clear();
        } else if (a && isBlank(*a)) {
            if (ItemNameEntry* row = currentRow()) {
                row->number = value_;
            }
            mode_ = Mode::None;
            value_.clear();
        }
    }
    if (mode_ == Mode::Quoted) {
        value_ += b;
        if (a == '"') {
            if (ItemNameEntry* row = currentRow()) {
                row->displayName = value_;
            }
            mode_ = Mode::None;
            value_.clear();
            closedQuote_ = true;
        }
    }
    if (b == '(') {
        mode_ = Mode::Word;
    }
    if (b == '"') {
        if (closedQuote_) {
            closedQuote_ = false;
        } else {
            mode_ = Mode::Quoted;
        }
    }
}

ItemFileLoad ParseItemNames(std::string_view bytes, ItemNameTable& table) {
    return ParseItemFile<ItemNamesReader>(bytes, table);
}

ItemFileLoad ReadItemNames(const std::string& path, ItemNameTable& table, std::size_t blockSize) {
    return ReadItemFile<ItemNamesReader>(path, table, blockSize);
}
