#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Slot numbers of a MonsterRecord. Slots 3 and 43 to 48 are not used.
namespace MonsterSlot {
inline constexpr std::size_t Commented = 0; // "1" commented out, "0" active
inline constexpr std::size_t Name = 1;
inline constexpr std::size_t Index = 2;
inline constexpr std::size_t Race = 4;
inline constexpr std::size_t Level = 5;
inline constexpr std::size_t Ai = 6; // "1" aggressive, "2" not
inline constexpr std::size_t Range = 7;
inline constexpr std::size_t Sight1 = 8;
inline constexpr std::size_t Sight2 = 9;
inline constexpr std::size_t Exp = 10;
inline constexpr std::size_t ItemGroup1 = 11; // first `itemgroup`, two values
inline constexpr std::size_t Str = 13;
inline constexpr std::size_t Hth = 14;
inline constexpr std::size_t Int = 15;
inline constexpr std::size_t Wis = 16;
inline constexpr std::size_t Dex = 17;
inline constexpr std::size_t Hp = 18;
inline constexpr std::size_t Mp = 19;
inline constexpr std::size_t Aspeed = 20;
inline constexpr std::size_t Hit = 21;
inline constexpr std::size_t Dodge = 22;
inline constexpr std::size_t Attack = 23;  // range flag, maximum, minimum
inline constexpr std::size_t Magic = 26;   // maximum, minimum
inline constexpr std::size_t Defense = 28; // physical, magical
inline constexpr std::size_t Absorb = 30;
inline constexpr std::size_t Mspeed = 31;     // two values
inline constexpr std::size_t Resist = 33;     // fire, ice, lightning, curse, palsy
inline constexpr std::size_t ItemGroup2 = 38; // second `itemgroup`, two values
inline constexpr std::size_t Country = 40;    // up to three values
inline constexpr std::size_t Skill = 49;      // raw contents of the `skill` group
inline constexpr std::size_t Quest = 50;      // raw contents of the `quest` group
} // namespace MonsterSlot

// A value group of a monster record: its key and the slots its values go to.
struct MonsterGroup {
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
    {"attack", MonsterSlot::Attack, 3},
    {"magic", MonsterSlot::Magic, 2},
    {"defense", MonsterSlot::Defense, 2},
    {"absorb", MonsterSlot::Absorb, 1},
    {"mspeed", MonsterSlot::Mspeed, 2},
    {"resist", MonsterSlot::Resist, 5},
}};
