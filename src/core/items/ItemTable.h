#pragma once

#include "records/FieldRecord.h"
#include "records/RecordTable.h"

#include <cstddef>

// The field positions of an item row, as the reader fills them. A key whose
// group holds several values fills its field and the ones after it (the
// `Attack` group its maximum and then its minimum).
enum class ItemField : std::size_t {
    NameNumber = 1,
    Index = 2,
    Image = 3,
    Action = 4,
    Description = 6,
    Category = 7,
    Kind = 8,
    Code = 9,
    Country = 13, // 13 to 15: "1" for every country value
    Available = 15,
    Grade = 16,
    Wear = 17,
    Use = 18,
    Plural = 19,
    Pay = 20,
    CoolTime = 21,
    Class = 22,
    LevelLimit = 23,
    Range = 24,
    Buy = 25,
    Sell = 26,
    Endurance = 27,
    MaxProtect = 28,
    Effect = 29,
    AttackSpeed = 30,
    Str = 31,
    Hth = 32,
    Wis = 33,
    Dex = 34,
    Hp = 35,
    Mp = 36,
    AttackMax = 37,
    AttackMin = 38,
    MagicMax = 39,
    MagicMin = 40,
    Hit = 41,
    Defense = 42,
    Dodge = 43,
    Absorb = 44,
    ResistFire = 45,
    ResistIce = 46,
    ResistLightning = 47,
    ResistCurse = 48,
    ResistPalsy = 49,
    RefreshHp = 50,
    Buff = 51,
    Revival = 54,
    ChangePrefix = 55,
    Charming = 60,
    Teleport = 61,
    MoveSpeed = 63,
    GState = 64,
    Repair = 65,
    Protect = 66,
    Int = 67,
    // Keeps the buying price while the item is marked "Can't buy".
    SavedPrice = 70,
};

// Every item record of InitItem.txt as text fields: row r is the r-th `item`
// record of the last file read, field f a value of one of its key groups.
// Rows are never cleared; a later load overwrites only what it stores, and
// the table grows to hold every record read.
using ItemRow = FieldRecord<71, ItemField>;
using ItemTable = RecordTable<ItemRow>;
