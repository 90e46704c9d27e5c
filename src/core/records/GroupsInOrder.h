#pragma once

#include "records/RecordExtras.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A key's first eight bytes as a little-endian word, zero past its end:
// keys of up to eight bytes compare as one number.
constexpr std::uint64_t KeyHead(std::string_view key) {
    std::uint64_t head = 0;
    for (std::size_t at = 0; at < key.size() && at < sizeof head; ++at) {
        head |= std::uint64_t{static_cast<unsigned char>(key[at])} << (8 * at);
    }
    return head;
}

// A group a keyed reader takes: its key and the fields its values go to. A
// raw group's contents after its key go whole into its one field.
struct KeyedGroup {
    constexpr KeyedGroup() = default;
    constexpr KeyedGroup(std::string_view groupKey, std::size_t firstField, std::size_t valueCount = 1,
                         bool rawGroup = false)
        : key(groupKey), first(firstField), count(valueCount), raw(rawGroup), head(KeyHead(groupKey)),
          headMask(groupKey.size() >= sizeof head ? ~std::uint64_t{0}
                                                  : (std::uint64_t{1} << (8 * groupKey.size())) - 1) {}

    std::string_view key;
    std::size_t first = 0;
    std::size_t count = 1;
    bool raw = false;
    // The key's first eight bytes as a little-endian word, and which of its bytes they fill.
    std::uint64_t head = 0;
    std::uint64_t headMask = 0;
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

// The same for a record whose values stand right after its keyword, such as
// "(goto 1 2 3 4 5)": they go to the fields of `values` as ExtractKeywordValues
// stores them, and every group of the record is kept. Such a record always
// has a shape this reads.
InOrderRead ReadKeywordValues(std::string_view bytes, std::size_t open, const KeyedGroup& values,
                              std::span<std::string> fields, RecordExtras& extras);
