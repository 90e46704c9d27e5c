#include "monsters/InitMonsterReader.h"

#include "monsters/MonsterSlots.h"
#include "records/ExtractValues.h"
#include "records/GroupsInOrder.h"
#include "records/RecordFileLoad.h"

#include <array>
#include <span>
#include <utility>
#include <vector>

namespace {
// Every group a monster record's key search takes, in its order.
constexpr auto kMonsterGroups = [] {
    std::array<KeyedGroup, kMonsterValueGroups.size() + 2> groups{};
    std::size_t at = 0;
    for (const MonsterGroup& group : kMonsterValueGroups) {
        groups[at++] = {group.key, group.firstSlot, group.count};
    }
    groups[at++] = {"quest", SlotNumber(MonsterSlot::Quest), 1, true};
    groups[at++] = {"skill", SlotNumber(MonsterSlot::Skill), 1, true};
    return groups;
}();

void parseMonsterRecord(RecordText& groups, bool commented, MonsterRecord& record) {
    record[MonsterSlot::Commented] = commented ? "1" : "0";
    const std::span<std::string> slots(record.fields);
    std::size_t at = 0;
    for (const MonsterGroup& group : kMonsterValueGroups) {
        std::string surplus;
        at = ExtractValues(groups, group.key, slots.subspan(group.firstSlot, group.count), surplus, at);
        record.extras.AddSurplus(group.firstSlot, std::move(surplus));
    }
    // Both raw groups are searched from where `resist` ended.
    ReadRawGroup(groups, "quest", record[MonsterSlot::Quest], at);
    ReadRawGroup(groups, "skill", record[MonsterSlot::Skill], at);
    groups.KeepUntakenGroups(record.extras.kept);
}
} // namespace

MonsterRecord ParseMonsterRecord(std::string_view text, bool commented) {
    MonsterRecord record;
    RecordText groups(text);
    parseMonsterRecord(groups, commented, record);
    return record;
}

InitMonsterLoad ParseInitMonster(std::string_view bytes, MonsterTable& table) {
    return ReadKeyedRecords(bytes, "monster", table, kMonsterGroups, parseMonsterRecord,
                            MonsterSlot::Commented, MonsterSlot::Name, "monster", "name");
}
