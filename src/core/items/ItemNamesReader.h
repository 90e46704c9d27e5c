#pragma once

#include "items/ItemNameTable.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ItemNamesLoad {
    std::int64_t lastRow = -1;      // the current row after the last byte; -1 without any `itemname` record
    std::int64_t valuesLeftOut = 0; // numbers and names met before the first record
    TextEncoding encoding = TextEncoding::Latin1;

    LoadNotes notes() const;
};

// The item names scanner: a byte-by-byte state machine with one byte of
// lookahead. "(" starts a word, the word "itemname" starts a row, the next
// word is the name number and the next double-quoted text the display name.
class ItemNamesReader {
  public:
    explicit ItemNamesReader(ItemNameTable& table) : table_(table) {}

    void Step(char b, std::optional<char> a);

    const ItemNamesLoad& result() const { return load_; }

  private:
    enum class Mode { None, Word, Quoted };

    ItemNameEntry* currentRow();

    ItemNameTable& table_;
    ItemNamesLoad load_;
    Mode mode_ = Mode::None;
    bool closedQuote_ = false;
    std::string value_;
};

ItemNamesLoad ParseItemNames(std::string_view bytes, ItemNameTable& table);

// Fills the table from the named file, read in blocks of `blockSize` bytes.
// A file that cannot be opened or read throws InOutError.
ItemNamesLoad ReadItemNames(const std::string& path, ItemNameTable& table, std::size_t blockSize);
