#pragma once

#include "items/ItemFileReading.h"
#include "items/ItemNameTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The item names scanner: a byte-by-byte state machine with one byte of
// lookahead. "(" starts a word, the word "itemname" starts a row, the next
// word is the name number and the next double-quoted text the display name.
class ItemNamesReader {
  public:
    explicit ItemNamesReader(ItemNameTable& table) : table_(table) {}

    void Step(char b, std::optional<char> a);

    // Its last row counts `itemname` records; the values left out are the
    // numbers and names met before the first record.
    const ItemFileLoad& result() const { return load_; }

  private:
    enum class Mode { None, Word, Quoted };

    ItemNameEntry* currentRow();

    ItemNameTable& table_;
    ItemFileLoad load_{.leftOut = "numbers and names before the first itemname record"};
    Mode mode_ = Mode::None;
    bool closedQuote_ = false;
    std::string value_;
};

ItemFileLoad ParseItemNames(std::string_view bytes, ItemNameTable& table);

// Fills the table from the named file, read in blocks of `blockSize` bytes;
// a file that cannot be opened or read throws InOutError.
ItemFileLoad ReadItemNames(const std::string& path, ItemNameTable& table, std::size_t blockSize);
