#pragma once

#include "records/RecordTable.h"

#include <string>

struct ItemNameEntry {
    std::string number;      // the name number, as written in the file
    std::string displayName; // the text between the double quotes
};

// The item names file: row r is the r-th `itemname` record of the last file
// read. Rows are never cleared; a later load overwrites from row 0 on, and the
// table grows to hold every record read.
using ItemNameTable = RecordTable<ItemNameEntry>;
