#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The slots of a MonsterRecord. Slots 3 and 43 to 48 are not used.
enum class MonsterSlot : std::size_t {
    Commented = 0, // "1" commented out, "0" active
    Name = 1,
    Index = 2,
    Race = 4,
    Level = 5,
    Ai = 6, // "1" aggressive, "2" not
    Range = 7,
    Sight1 = 8,
    Sight2 = 9,
    Exp = 10,
    ItemGroup1 = 11, // the first `itemgroup`: its first and second value
    ItemGroup1Second = 12,
    Str = 13,
    Hth = 14,
    Int = 15,
    Wis = 16,
    Dex = 17,
    Hp = 18,
    Mp = 19,
    Aspeed = 20,
    Hit = 21,
    Dodge = 22,
    RangeAttack = 23, // the first value of `attack`: "1" attacks from a range
    AttackMax = 24,
    AttackMin = 25,
    MagicMax = 26,
    MagicMin = 27,
    PhysicalDefense = 28,
    MagicalDefense = 29,
    Absorb = 30,
    Mspeed = 31, // two values
    ResistFire = 33,
    ResistIce = 34,
    ResistLightning = 35,
    ResistCurse = 36,
    ResistPalsy = 37,
    ItemGroup2 = 38, // the second `itemgroup`: its first and second value
    ItemGroup2Second = 39,
    Country = 40, // up to three values
    Skill = 49,   // raw contents of the `skill` group
    Quest = 50,   // raw contents of the `quest` group
};

constexpr std::size_t SlotNumber(MonsterSlot slot) {
    return static_cast<std::size_t>(slot);
}

// A value group of a monster record: its key and the slots its values go to.
struct MonsterGroup {
    constexpr MonsterGroup(std::string_view groupKey, MonsterSlot first, std::size_t valueCount)
        : key(groupKey), firstSlot(SlotNumber(first)), count(valueCount) {}

    std::string_view key;
    std::size_t firstSlot;
    std::size_t count;
};

// The value groups in the order the reader searches them; the second
// `itemgroup` is the next occurrence after the first.
inline constexpr std::array<MonsterGroup, 27> kMonsterValueGroups{{
    {"name", MonsterSlot::Name, 1},
    {"index", MonsterSlot::Index, 1},
    {"country", MonsterSlot::Country, 3},
    {"race", MonsterSlot::Race, 1},
    {"level", MonsterSlot::Level, 1},
    {"ai", MonsterSlot::Ai, 1},
    {"range", MonsterSlot::Range, 1},
    {"sight", MonsterSlot::Sight1, 2},
    {"exp", MonsterSlot::Exp, 1},
    {"itemgroup", MonsterSlot::ItemGroup1, 2},
    {"itemgroup", MonsterSlot::ItemGroup2, 2},
    {"str", MonsterSlot::Str, 1},
    {"hth", MonsterSlot::Hth, 1},
    {"int", MonsterSlot::Int, 1},
    {"wis", MonsterSlot::Wis, 1},
    {"dex", MonsterSlot::Dex, 1},
    {"hp", MonsterSlot::Hp, 1},
    {"mp", MonsterSlot::Mp, 1},
    {"aspeed", MonsterSlot::Aspeed, 1},
    {"hit", MonsterSlot::Hit, 1},
    {"dodge", MonsterSlot::Dodge, 1},
    {"attack", MonsterSlot::RangeAttack, 3},
    {"magic", MonsterSlot::MagicMax, 2},
    {"defense", MonsterSlot::PhysicalDefense, 2},
    {"absorb", MonsterSlot::Absorb, 1},
    {"mspeed", MonsterSlot::Mspeed, 2},
    {"resist", MonsterSlot::ResistFire, 5},
}};
