#include "spawns/SpawnEditing.h"

#include "maps/WorldUnits.h"
#include "records/Errors.h"
#include "records/IntegerText.h"

#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {
const MonsterNameEntry* FindMonsterByName(const MonsterNameTable& names, std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    for (std::size_t position = 0; position < names.size(); ++position) {
        if (names[position].displayName == name) {
            return &names[position];
        }
    }
    return nullptr;
}
} // namespace

bool CanBuildSpawnMonsterList(const SpawnTable& table, const MonsterNameTable& names) {
    return table.size() > 0 && names.hasNames();
}

void BuildSpawnMonsterList(SpawnTable& table, const MonsterNameTable& names,
                           const std::function<void(const std::string&)>& append) {
    // The records without a list position, gathered by monster index in the
    // order each index first appears; one pass instead of one per monster.
    const std::size_t live = table.LiveCount();
    std::unordered_map<std::string_view, std::size_t> groupOfIndex;
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t position = 0; position < live; ++position) {
        if (!table[position][kListPosition].empty()) {
            continue;
        }
        const auto [group, added] = groupOfIndex.try_emplace(table[position][kIndex], groups.size());
        if (added) {
            groups.emplace_back();
        }
        groups[group->second].push_back(position);
    }
    int entries = 0;
    for (const std::vector<std::size_t>& group : groups) {
        append(names.MonsterNameForText(table[group.front()][kIndex]));
        const std::string entry = IntToStr(entries++);
        for (const std::size_t position : group) {
            table[position][kListPosition] = entry;
        }
    }
}

std::vector<std::string> AreasOfMonster(const SpawnTable& table, int listEntry) {
    std::vector<std::string> areas;
    const std::string entry = IntToStr(listEntry);
    const std::size_t live = table.LiveCount();
    for (std::size_t position = 0; position < live; ++position) {
        if (table[position][kListPosition] == entry) {
            areas.push_back(table[position][kArea]);
        }
    }
    return areas;
}

std::int32_t CornerInWorldUnits(const std::string& mapUnits) {
    const std::int64_t world = std::int64_t{StrToInt(mapUnits)} * kWorldUnitsPerMapUnit;
    if (world < std::numeric_limits<std::int32_t>::min() ||
        world > std::numeric_limits<std::int32_t>::max()) {
        throw ConvertError(mapUnits);
    }
    return static_cast<std::int32_t>(world);
}

void StoreEditedSpawn(const EditedSpawn& values, SpawnRecord& record, EditedField edited) {
    record[kMap] = IntToStr(values.map);
    record[kMax] = IntToStr(values.max);
    record[kCycle] = IntToStr(values.cycle);
    if (edited != EditedField::Corner && !HasAllCorners(record)) {
        return;
    }
    record[kX1] = IntToStr(WorldToMap(values.x1));
    record[kY1] = IntToStr(WorldToMap(values.y1));
    record[kX2] = IntToStr(WorldToMap(values.x2));
    record[kY2] = IntToStr(WorldToMap(values.y2));
}

std::optional<std::size_t> AddSpawn(SpawnTable& table, const MonsterNameTable& names, const NewSpawn& spawn) {
    const MonsterNameEntry* monster = FindMonsterByName(names, spawn.monsterName);
    // A new spawn is always of a monster the names file numbers.
    if (monster == nullptr || monster->number.empty()) {
        return std::nullopt;
    }
    const std::size_t free = table.FirstFreePosition();
    const std::int64_t area = std::int64_t{StrToInt(std::as_const(table)[free - 1][kArea])} + 1;

    SpawnRecord record;
    record[kCommented] = "0";
    record[kIndex] = monster->number;
    record[kMap] = IntToStr(spawn.map);
    record[kArea] = IntToStr(area);
    record[kMax] = IntToStr(spawn.max);
    record[kCycle] = IntToStr(spawn.cycle);
    record[kX1] = IntToStr(WorldToMap(spawn.x1));
    record[kY1] = IntToStr(WorldToMap(spawn.y1));
    record[kX2] = spawn.point ? record[kX1] : IntToStr(WorldToMap(spawn.x2));
    record[kY2] = spawn.point ? record[kY1] : IntToStr(WorldToMap(spawn.y2));
    table.Append(std::move(record));
    return free;
}

void ClearListPositions(SpawnTable& table) {
    for (std::size_t position = 0; position < table.size(); ++position) {
        table[position][kListPosition].clear();
    }
}

int AreaRowOf(const SpawnTable& table, std::size_t position) {
    const std::string& entry = table[position][kListPosition];
    int row = 0;
    for (std::size_t before = 0; before < position; ++before) {
        if (table[before][kListPosition] == entry) {
            ++row;
        }
    }
    return row;
}
