#pragma once

#include "records/RecordTable.h"

#include <string>
#include <string_view>

struct MonsterNameEntry {
    std::string number;      // the number written in the record, as text
    std::string displayName; // the text between the record's double quotes

    bool operator==(const MonsterNameEntry&) const = default;
};

// Display names of the monsters: the k-th record of the names file names the number k.
class MonsterNameTable : public RecordTable<MonsterNameEntry> {
  public:
    // The display name of the entry at position k - 1; empty for k outside 1 to size().
    const std::string& MonsterNameFor(long long k) const;

    // The display name of a number as a record holds it: empty for an empty
    // text (a record without a name or index); a text that is not a number
    // throws ConvertError.
    const std::string& MonsterNameForText(std::string_view number) const;

    // True when names are present: the entry at position 0 has a display name.
    bool hasNames() const { return !(*this)[0].displayName.empty(); }
};
