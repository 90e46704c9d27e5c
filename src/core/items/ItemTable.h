#pragma once

#include "records/RecordTable.h"

#include <array>
#include <cstddef>
#include <string>

// Every item record of InitItem.txt as text fields: row r is the r-th `item`
// record of the last file read, field f a value of one of its key groups.
// Rows are never cleared; a later load overwrites only what it stores, and
// the table grows to hold every record read.
inline constexpr std::size_t kItemFields = 71;
using ItemRow = std::array<std::string, kItemFields>;

class ItemTable : public RecordTable<ItemRow> {
  public:
    static constexpr std::size_t kFields = kItemFields;
    using Row = ItemRow;
};

// Item field numbers used outside the reader.
namespace item_field {
inline constexpr std::size_t kNameNumber = 1;
inline constexpr std::size_t kIndex = 2;
inline constexpr std::size_t kCategory = 7;
inline constexpr std::size_t kKind = 8;
inline constexpr std::size_t kAvailable = 15;
inline constexpr std::size_t kGrade = 16;
inline constexpr std::size_t kWear = 17;
inline constexpr std::size_t kUse = 18;
inline constexpr std::size_t kPlural = 19;
inline constexpr std::size_t kPay = 20;
inline constexpr std::size_t kClass = 22;
inline constexpr std::size_t kLevelLimit = 23;
inline constexpr std::size_t kRange = 24;
inline constexpr std::size_t kBuy = 25;
inline constexpr std::size_t kSell = 26;
inline constexpr std::size_t kEndurance = 27;
inline constexpr std::size_t kMaxProtect = 28;
inline constexpr std::size_t kAttackSpeed = 30;
inline constexpr std::size_t kStr = 31;
inline constexpr std::size_t kHth = 32;
inline constexpr std::size_t kWis = 33;
inline constexpr std::size_t kDex = 34;
inline constexpr std::size_t kHp = 35;
inline constexpr std::size_t kMp = 36;
inline constexpr std::size_t kAttackMax = 37;
inline constexpr std::size_t kAttackMin = 38;
inline constexpr std::size_t kMagicMax = 39;
inline constexpr std::size_t kMagicMin = 40;
inline constexpr std::size_t kHit = 41;
inline constexpr std::size_t kDefense = 42;
inline constexpr std::size_t kDodge = 43;
inline constexpr std::size_t kAbsorb = 44;
inline constexpr std::size_t kResistFire = 45;
inline constexpr std::size_t kResistIce = 46;
inline constexpr std::size_t kResistLightning = 47;
inline constexpr std::size_t kResistCurse = 48;
inline constexpr std::size_t kResistPalsy = 49;
inline constexpr std::size_t kInt = 67;
// Keeps the buying price while the item is marked "Can't buy".
inline constexpr std::size_t kSavedPrice = 70;
} // namespace item_field
