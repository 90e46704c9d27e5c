#pragma once

#include "items/ItemFileReading.h"
#include "items/ItemNameTable.h"

#include <cstddef>
#include <string>
#include <string_view>

// The item names scanner: a state machine over the bytes with one byte of
// lookahead. "(" starts a word, the word "itemname" starts a row, the next
// word is the name number and the next double-quoted text the display name.
// Runs of bytes that only extend a value or that no state looks at are
// passed over in one go; the others take one step each.
class ItemNamesReader {
  public:
    explicit ItemNamesReader(ItemNameTable& table) : table_(table) {}

    void Scan(std::string_view bytes, std::size_t count);

    // Its last row counts `itemname` records; the values left out are the
    // numbers and names met before the first record.
    const ItemFileLoad& result() const { return load_; }

  private:
    enum class Mode { None, Word, Quoted };

    std::size_t passPlainBytes(const char* bytes, std::size_t at, std::size_t count, std::size_t size);
    std::size_t passWordBytes(const char* bytes, std::size_t at, std::size_t count, std::size_t size);
    void step(const char* bytes, std::size_t at, std::size_t size);
    void startAt(char b); // what "(" and a quote start
    void storeNumber();
    void storeName();
    ItemNameEntry* currentRow();

    ItemNameTable& table_;
    ItemFileLoad load_{.leftOut = "numbers and names before the first itemname record"};
    Mode mode_ = Mode::None;
    bool closedQuote_ = false;
    ValueText value_;
    ItemNameEntry* row_ = nullptr; // the current row, once a value was stored in it
};

ItemFileLoad ParseItemNames(std::string_view bytes, ItemNameTable& table);

// Fills the table from the named file, read in blocks of `blockSize` bytes;
// a file that cannot be opened or read throws InOutError.
ItemFileLoad ReadItemNames(const std::string& path, ItemNameTable& table, std::size_t blockSize);
