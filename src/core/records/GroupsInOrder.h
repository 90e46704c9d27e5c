#pragma once

#include "records/RecordExtras.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// A group a keyed reader takes: its key and the fields its values go to. A
// raw group's contents after its key go whole into its one field.
struct KeyedGroup {
    std::string_view key;
    std::size_t first;
    std::size_t count = 1;
    bool raw = false;
};

// What a one-pass read of a record found.
struct InOrderRead {
    std::size_t close; // the record's ")"; npos when the bytes end first
    bool read;         // false for a record of another shape, which the key search reads
};

// Reads the record whose "(" stands at `open` in one pass, when it has the
// shape its writer gives it: its value groups in the order of `groups`, any
// of them left out, each raw group anywhere and once, groups of other keys
// anywhere, no group inside a value group. What it stores is then what the
// key search stores (ExtractValues and ReadRawGroup, taking `groups` in
// order, then the untaken groups kept). For a record of another shape it
// gives `read` false, leaving the fields and extras partly filled. At most
// 64 groups.
InOrderRead ReadGroupsInOrder(std::string_view bytes, std::size_t open, std::span<const KeyedGroup> groups,
                              std::span<std::string> fields, RecordExtras& extras);
