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

// How many records a save writes, from position 0: every record, position 0
// always included. Both ways of saving walk these.
std::size_t SavedSpawnCount(const SpawnTable& table);

// One line per record saved.
std::vector<std::string> GenMonsterLines(const SpawnTable& table);

// The file as it was read (`read`, which the table was last filled from),
// with the line of each saved record whose line changed in place of its
// bytes, and each spawn added since on a line of its own.
std::string GenMonsterKeepingLayout(std::string_view read, const SpawnTable& table);
