#pragma once

#include "monsters/MonsterTable.h"

#include <cstddef>
#include <string_view>

struct InitMonsterLoad {
    std::size_t stored = 0;  // records stored from position 0
    std::size_t leftOut = 0; // records beyond the table's capacity, not stored
};

// Empties the table and fills it with the `monster` records of an
// InitMonster.txt, in file order from position 0.
InitMonsterLoad ParseInitMonster(std::string_view bytes, MonsterTable& table);

// One `monster` record text (from its opening parenthesis, without the closing
// one). Keys are searched in a fixed order, each from where the one before
// ended, so a key standing before an earlier key of that order is not found.
MonsterRecord ParseMonsterRecord(std::string_view text, bool commented);
