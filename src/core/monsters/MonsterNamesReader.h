#pragma once

#include "monsters/MonsterNameTable.h"
#include "records/RecordFileLoad.h"

#include <cstddef>
#include <string_view>

using MonsterNamesLoad = RecordFileLoad;

// Empties the table and fills it from the bytes of a monster names file.
MonsterNamesLoad ParseMonsterNames(std::string_view bytes, MonsterNameTable& table);

// One `monstername` record text (from its opening parenthesis, without the closing one).
MonsterNameEntry ParseMonsterNameRecord(std::string_view text);
