#pragma once

#include "monsters/MonsterTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The InitMonster.txt line of one record (without its line end), built from
// the slots in a fixed group order; optional groups whose first slot is empty
// are left out. Surplus values are written inside their group; a kept group
// whose key the line writes follows that key's group (or stands where it
// would), every other kept group goes before the record's closing ")".
std::string InitMonsterLine(const MonsterRecord& record);

// How many records a save writes, from position 0: every record of the
// table. Both ways of saving walk these.
std::size_t SavedMonsterCount(const MonsterTable& table);

// The lines a save writes: one per record saved.
std::vector<std::string> InitMonsterLines(const MonsterTable& table);

// The file as it was read (`read`, which the table was last filled from),
// with the line of each saved record whose line changed in place of its bytes.
std::string InitMonsterKeepingLayout(std::string_view read, const MonsterTable& table);
