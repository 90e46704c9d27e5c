#include "spawns/GenMonsterReader.h"

#include "records/ExtractValues.h"
#include "records/GroupsInOrder.h"
#include "records/RecordFileLoad.h"
#include "spawns/GenMonsterKeys.h"

#include <array>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace {
// Every group a spawn record's key search takes, in its order.
constexpr auto kSpawnGroups = [] {
    std::array<KeyedGroup, std::size(kGenMonsterKeys)> groups{};
    std::size_t at = 0;
    for (const GenMonsterKey& key : kGenMonsterKeys) {
        groups[at++] = {key.key(), key.firstPosition(), key.fields};
    }
    return groups;
}();

void parseSpawnRecord(RecordText& groups, bool commented, SpawnRecord& record) {
    record[SpawnField::Commented] = commented ? "1" : "0";
    const std::span<std::string> fields(record.fields);
    std::size_t start = 0;
    for (const GenMonsterKey& key : kGenMonsterKeys) {
        std::string surplus;
        start =
            ExtractValues(groups, key.key(), fields.subspan(key.firstPosition(), key.fields), surplus, start);
        record.extras.AddSurplus(key.firstPosition(), std::move(surplus));
    }
    groups.KeepUntakenGroups(record.extras.kept);
}
} // namespace

void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record) {
    RecordText groups(text);
    parseSpawnRecord(groups, commented, record);
}

GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table) {
    return ReadKeyedRecords(bytes, "genmonster", table, kSpawnGroups, parseSpawnRecord, SpawnField::Commented,
                            SpawnField::Index, "spawn", "index");
}
