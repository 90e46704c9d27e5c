#include "monsters/InitMonsterReader.h"

#include "monsters/MonsterSlots.h"
#include "records/ExtractValues.h"
#include "records/GroupSplitter.h"

#include <array>
#include <span>

namespace {
struct ValueKey {
    std::string_view key;
    std::size_t firstSlot;
};

// The keys read with ExtractValues, in search order. The second `itemgroup`
// is the next occurrence after the first.
constexpr std::array<ValueKey, 27> kValueKeys{{
    {"name", MonsterSlot::Name},
    {"index", MonsterSlot::Index},
    {"country", MonsterSlot::Country},
    {"race", MonsterSlot::Race},
    {"level", MonsterSlot::Level},
    {"ai", MonsterSlot::Ai},
    {"range", MonsterSlot::Range},
    {"sight", MonsterSlot::Sight1},
    {"exp", MonsterSlot::Exp},
    {"itemgroup", MonsterSlot::ItemGroup1},
    {"itemgroup", MonsterSlot::ItemGroup2},
    {"str", MonsterSlot::Str},
    {"hth", MonsterSlot::Hth},
    {"int", MonsterSlot::Int},
    {"wis", MonsterSlot::Wis},
    {"dex", MonsterSlot::Dex},
    {"hp", MonsterSlot::Hp},
    {"mp", MonsterSlot::Mp},
    {"aspeed", MonsterSlot::Aspeed},
    {"hit", MonsterSlot::Hit},
    {"dodge", MonsterSlot::Dodge},
    {"attack", MonsterSlot::Attack},
    {"magic", MonsterSlot::Magic},
    {"defense", MonsterSlot::Defense},
    {"absorb", MonsterSlot::Absorb},
    {"mspeed", MonsterSlot::Mspeed},
    {"resist", MonsterSlot::Resist},
}};
} // namespace

MonsterRecord ParseMonsterRecord(std::string_view text, bool commented) {
    MonsterRecord record;
    record[MonsterSlot::Commented] = commented ? "1" : "0";
    const std::span<std::string> slots(record);
    std::size_t at = 0;
    for (const ValueKey& value : kValueKeys) {
        // Surplus values run on into the following slots, up to the record's last one.
        at = ExtractValues(text, value.key, slots.subspan(value.firstSlot), at);
    }
    // Both raw groups are searched from where `resist` ended.
    ReadRawGroup(text, "quest", record[MonsterSlot::Quest], at);
    ReadRawGroup(text, "skill", record[MonsterSlot::Skill], at);
    return record;
}

InitMonsterLoad ParseInitMonster(std::string_view bytes, MonsterTable& table) {
    table.clear();
    InitMonsterLoad load;
    SplitRecords(bytes, "monster", [&](const RecordGroup& group) {
        if (load.stored == MonsterTable::kCapacity) {
            ++load.leftOut;
            return;
        }
        table[load.stored++] = ParseMonsterRecord(group.text, group.commented);
    });
    return load;
}
