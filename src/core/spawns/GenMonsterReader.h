#pragma once

#include "records/RecordFileLoad.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <string_view>

using GenMonsterLoad = RecordFileLoad;

// Empties the table and fills it with every `genmonster` record of the bytes.
GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table);

// One record text (from its opening parenthesis, without the closing one)
// into the record's fields from Index to Y2 and its extras; `commented` goes
// to Commented.
void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record);
