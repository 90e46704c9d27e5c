#pragma once

#include "monsters/MonsterNameTable.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <string_view>

struct MonsterNamesLoad {
    std::size_t stored = 0; // records stored from position 0
    LoadNotes notes;        // a group left open at the end of the file
    TextEncoding encoding = TextEncoding::Latin1;
};

// Empties the table and fills it from the bytes of a monster names file.
MonsterNamesLoad ParseMonsterNames(std::string_view bytes, MonsterNameTable& table);

// One `monstername` record text (from its opening parenthesis, without the closing one).
MonsterNameEntry ParseMonsterNameRecord(std::string_view text);
