#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

struct MonsterNameEntry {
    std::string number;      // the number written in the record, as text
    std::string displayName; // the text between the record's double quotes
};

// Display names of the monsters: the k-th record of the names file names the number k.
class MonsterNameTable {
  public:
    static constexpr std::size_t kCapacity = 401;

    MonsterNameEntry& operator[](std::size_t position) { return entries_.at(position); }
    const MonsterNameEntry& operator[](std::size_t position) const { return entries_.at(position); }

    void clear();

    // The display name of the entry at position k - 1; empty for k outside 1 to 401.
    const std::string& MonsterNameFor(long long k) const;

    // True when names are present: the entry at position 0 has a display name.
    bool hasNames() const { return !entries_[0].displayName.empty(); }

  private:
    std::array<MonsterNameEntry, kCapacity> entries_{};
};

struct MonsterNamesLoad {
    std::size_t stored = 0;  // records stored from position 0
    std::size_t leftOut = 0; // records beyond the table's capacity
};

// Empties the table and fills it from the bytes of a monster names file.
MonsterNamesLoad ParseMonsterNames(std::string_view bytes, MonsterNameTable& table);

// One `monstername` record text (from its opening parenthesis, without the closing one).
MonsterNameEntry ParseMonsterNameRecord(std::string_view text);
