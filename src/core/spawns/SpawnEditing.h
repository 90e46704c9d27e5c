#pragma once

#include "monsters/MonsterNameTable.h"
#include "spawns/SpawnTable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True when the monster list can be built: spawns were read and names are present.
bool CanBuildSpawnMonsterList(const SpawnTable& table, const MonsterNameTable& names);

// Appends one display name per distinct index text, in order of first
// appearance, and sets every record's listPosition to its entry; the spawns
// without an index share one empty entry. An index that is not a number
// throws ConvertError after the entries before it were appended.
void BuildSpawnMonsterList(SpawnTable& table, const MonsterNameTable& names,
                           const std::function<void(const std::string&)>& append);

// The area texts of the records whose listPosition is the given list entry.
std::vector<std::string> AreasOfMonster(const SpawnTable& table, int listEntry);

// The world-unit value of a stored corner, for showing; a text that is not a
// number, or whose world value does not fit a field, throws ConvertError.
std::int32_t CornerInWorldUnits(const std::string& mapUnits);

// The seven values the page stores on every change, corners in world units.
struct EditedSpawn {
    std::int32_t map = 0;
    std::int32_t max = 0;
    std::int32_t cycle = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Which field of the spawn page an edit changed.
enum class EditedField { Value, Corner };

// Stores the seven values, corners in map units. While a corner of the
// record is empty (a spawn placed by "(xy x y)" has none), an edit of another
// field leaves the corners as they are, so that they do not become a rect of
// zeros: they are stored once the corner fields themselves are edited.
void StoreEditedSpawn(const EditedSpawn& values, SpawnRecord& record, EditedField edited);

// A new spawn from the add-spawn dialog, corners in world units.
struct NewSpawn {
    std::string monsterName; // the display name chosen
    bool point = false;      // "Spawn Point": the second corner is the first
    std::int32_t map = 0;
    std::int32_t max = 0;
    std::int32_t cycle = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Stores the spawn after the last record and returns its position; its area
// is the previous record's area plus one. Stores nothing and returns nothing
// when the monster is unknown; a previous area that is not a number throws
// ConvertError with nothing stored.
std::optional<std::size_t> AddSpawn(SpawnTable& table, const MonsterNameTable& names, const NewSpawn& spawn);

// Empties the listPosition of every record, as a load leaves it, so that the
// monster list can be built again from the whole table.
void ClearListPositions(SpawnTable& table);

// The row of a record in the area list of its monster's entry.
int AreaRowOf(const SpawnTable& table, std::size_t position);
