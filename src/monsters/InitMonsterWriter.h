#pragma once

#include "monsters/MonsterTable.h"

#include <string>
#include <vector>

// The InitMonster.txt line of one record (without its line end), built from
// the slots in a fixed group order; optional groups whose first slot is empty
// are left out. Surplus values are written inside their group; a kept group
// whose key the line writes follows that key's group (or stands where it
// would), every other kept group goes before the record's closing ")".
std::string InitMonsterLine(const MonsterRecord& record);

// The lines a save writes: one per record, from the first to the last
// (MonsterTable::LastMonsterIndex).
std::vector<std::string> InitMonsterLines(const MonsterTable& table);
