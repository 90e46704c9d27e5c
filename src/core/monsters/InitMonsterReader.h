#pragma once

#include "monsters/MonsterTable.h"
#include "records/RecordFileLoad.h"

#include <cstddef>
#include <string_view>

using InitMonsterLoad = RecordFileLoad;

// Empties the table and fills it with every `monster` record of an
// InitMonster.txt, in file order from position 0.
InitMonsterLoad ParseInitMonster(std::string_view bytes, MonsterTable& table);

// One `monster` record text (from its opening parenthesis, without the closing
// one). Keys are searched in a fixed order, each from where the one before
// ended; a key out of that order is still found among the groups no search
// took. Values past a group's last slot and the groups no search took are
// kept in the record's extras.
MonsterRecord ParseMonsterRecord(std::string_view text, bool commented);
