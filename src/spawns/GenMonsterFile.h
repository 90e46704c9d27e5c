#pragma once

#include "spawns/SpawnTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// GenMonster.txt is read from its first 500,000 bytes only.
inline constexpr std::size_t kGenMonsterReadLimit = 500000;

struct GenMonsterLoad {
    std::size_t stored = 0;  // records stored from position 0
    std::size_t leftOut = 0; // records found beyond the table's capacity
};

// Empties the table and fills it with the `genmonster` records of the bytes.
// Values of a record never go past its `y2` field.
GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table);

// One record text (from its opening parenthesis, without the closing one)
// into the record's fields 1 to 9; `commented` goes to field 0.
void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record);

// The line a record is written as, without a line end.
std::string GenMonsterLine(const SpawnRecord& record);

// One line per record of the live range, position 0 always included.
std::vector<std::string> GenMonsterLines(const SpawnTable& table);

// The warning shown after a load that left records or bytes out; empty when nothing was left out.
std::string GenMonsterLeftOutWarning(const GenMonsterLoad& load, bool bytesLeftOut);
