#pragma once

#include <array>
#include <cstddef>
#include <string>

struct ItemNameEntry {
    std::string number;       // the name number, as written in the file
    std::string displayName;  // the text between the double quotes
    std::string listPosition; // position of this name in the item page's current list, decimal
};

// The item names file: row r is the r-th `itemname` record of the last file
// read. Rows are never cleared; a later load overwrites from row 0 on.
class ItemNameTable {
  public:
    static constexpr std::size_t kRows = 1001;

    ItemNameEntry& operator[](std::size_t row) { return rows_.at(row); }
    const ItemNameEntry& operator[](std::size_t row) const { return rows_.at(row); }

  private:
    std::array<ItemNameEntry, kRows> rows_{};
};
