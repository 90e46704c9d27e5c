#pragma once

#include "records/LoadNotes.h"
#include "records/TextEncoding.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <string_view>

struct GenMonsterLoad {
    std::size_t stored = 0; // records stored from position 0
    LoadNotes notes;        // a group left open, spawns without an index
    TextEncoding encoding = TextEncoding::Latin1;
};

// Empties the table and fills it with every `genmonster` record of the bytes.
GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table);

// One record text (from its opening parenthesis, without the closing one)
// into the record's fields from Index to Y2 and its extras; `commented` goes
// to Commented.
void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record);
