#pragma once

#include <cstddef>

// The record at `position` of a table a test sets up, the table grown with
// empty records to hold it.
template <typename Table> auto& RecordAt(Table& table, std::size_t position) {
    if (position >= table.size()) {
        table.Resize(position + 1);
    }
    return table[position];
}
