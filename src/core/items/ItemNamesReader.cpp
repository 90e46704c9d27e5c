#include "items/ItemNamesReader.h"

#include <algorithm>
#include <string_view>

namespace {
constexpr std::string_view kRecordKeyword = "itemname";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

void ItemNamesReader::Scan(std::string_view bytes, std::size_t count) {
    const char* data = bytes.data();
    ScanBytes(
        count, [&](std::size_t at) { return passPlainBytes(data, at, count, bytes.size()); },
        [&](std::size_t at) { step(data, at, bytes.size()); });
    value_.Detach();
}

inline std::size_t ItemNamesReader::passPlainBytes(const char* bytes, std::size_t at, std::size_t count,
                                                   std::size_t size) {
    switch (mode_) {
    case Mode::None:
        // Only "(" and a quote do anything here.
        at = FindAny<'(', '"'>(bytes, at, count);
        if (at == count) {
            return at;
        }
        startAt(bytes[at]);
        return mode_ == Mode::Word ? passWordBytes(bytes, at + 1, count, size) : at + 1;
    case Mode::Word:
        return passWordBytes(bytes, at, count, size);
    case Mode::Quoted: {
        // A quoted byte only extends the name unless it is "(" or a quote, or
        // is followed by a quote, which stores the name.
        const std::size_t stop = FindAny<'(', '"'>(bytes, at, size);
        if (stop < size && stop <= count && stop > at && bytes[stop] == '"') {
            value_.Append(bytes + at, stop - at);
            storeName();
            if (stop == count) {
                return stop;
            }
            // The quote that closes the name opens nothing.
            closedQuote_ = false;
            return stop + 1;
        }
        const std::size_t end =
            std::min(stop == size || bytes[stop] == '(' ? stop : std::max(at + 1, stop) - 1, count);
        value_.Append(bytes + at, end - at);
        return end;
    }
    }
    return at;
}

inline std::size_t ItemNamesReader::passWordBytes(const char* bytes, std::size_t at, std::size_t count,
                                                  std::size_t size) {
    // Blanks in word mode do nothing.
    while (at < count && isBlank(bytes[at])) {
        ++at;
    }
    if (value_.size() == 0 && count - at >= kRecordKeyword.size() &&
        std::string_view(bytes + at, kRecordKeyword.size()) == kRecordKeyword) {
        ++load_.lastRow;
        row_ = nullptr;
        return at + kRecordKeyword.size();
    }
    // A word byte only extends the word unless it is a blank or a quote, is
    // followed by a blank, or completes the record keyword.
    const std::size_t stop = FindAny<' ', '\t', '"'>(bytes, at, size);
    std::size_t end = stop == size ? size : std::max(at + 1, stop) - 1;
    if (value_.size() < kRecordKeyword.size()) {
        end = std::min(end, at + kRecordKeyword.size() - 1 - value_.size());
    }
    end = std::min(end, count);
    value_.Append(bytes + at, end - at);
    // The last byte before a blank ends the word and stores it, unless it
    // completes the keyword or is a "(", which starts a word again.
    if (end + 1 == stop && end < count && stop < size && isBlank(bytes[stop]) && bytes[end] != '(' &&
        value_.size() + 1 != kRecordKeyword.size()) {
        value_.Append(bytes + end, 1);
        storeNumber();
        return end + 1;
    }
    return end;
}

void ItemNamesReader::step(const char* bytes, std::size_t at, std::size_t size) {
    const char b = bytes[at];
    const bool blankAfter = at + 1 < size && isBlank(bytes[at + 1]);
    const bool quoteAfter = at + 1 < size && bytes[at + 1] == '"';
    if (mode_ == Mode::Word && !isBlank(b)) {
        value_.Append(bytes + at, 1);
        if (value_.size() == kRecordKeyword.size() && value_.View() == kRecordKeyword) {
            ++load_.lastRow;
            row_ = nullptr;
            value_.Clear();
        } else if (blankAfter) {
            storeNumber();
        }
    }
    if (mode_ == Mode::Quoted) {
        value_.Append(bytes + at, 1);
        if (quoteAfter) {
            storeName();
        }
    }
    startAt(b);
}

void ItemNamesReader::startAt(char b) {
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

void ItemNamesReader::storeNumber() {
    if (ItemNameEntry* row = currentRow()) {
        StoreText(row->number, value_.View());
    }
    mode_ = Mode::None;
    value_.Clear();
}

void ItemNamesReader::storeName() {
    if (ItemNameEntry* row = currentRow()) {
        StoreText(row->displayName, value_.View());
    }
    mode_ = Mode::None;
    value_.Clear();
    closedQuote_ = true;
}

ItemNameEntry* ItemNamesReader::currentRow() {
    if (load_.lastRow < 0) {
        ++load_.valuesLeftOut;
        return nullptr;
    }
    if (row_ == nullptr) {
        const auto row = static_cast<std::size_t>(load_.lastRow);
        if (row >= table_.size()) {
            table_.Resize(row + 1);
        }
        row_ = &table_[row];
    }
    return row_;
}

ItemFileLoad ParseItemNames(std::string_view bytes, ItemNameTable& table) {
    return ParseItemFile<ItemNamesReader>(bytes, table);
}

ItemFileLoad ReadItemNames(const std::string& path, ItemNameTable& table, std::size_t blockSize) {
    return ReadItemFile<ItemNamesReader>(path, table, blockSize);
}
