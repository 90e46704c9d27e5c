#pragma once

#include "records/LoadNotes.h"
#include "records/TextEncoding.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct GenMonsterLoad {
    std::size_t stored = 0; // records stored from position 0
    LoadNotes notes;        // a group left open, spawns without an index
    TextEncoding encoding = TextEncoding::Latin1;
};

// Empties the table and fills it with every `genmonster` record of the bytes.
GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table);

// One record text (from its opening parenthesis, without the closing one)
// into the record's fields 1 to 9 and its extras; `commented` goes to field 0.
void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record);

// The line a record is written as, without a line end.
std::string GenMonsterLine(const SpawnRecord& record);

// The lines a save writes: one per record (SpawnTable::LiveCount), position 0 always included.
std::vector<std::string> GenMonsterLines(const SpawnTable& table);
