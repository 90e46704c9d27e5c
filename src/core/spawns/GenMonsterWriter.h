#pragma once

#include "spawns/SpawnTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
