#pragma once

#include "monsters/MonsterTable.h"

#include <string>

// The InitMonster.txt line of one record (without its line end), built from
// the slots in a fixed group order; optional groups whose first slot is empty
// are left out.
std::string InitMonsterLine(const MonsterRecord& record);
