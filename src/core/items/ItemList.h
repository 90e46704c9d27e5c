#pragma once

#include "items/ItemNameTable.h"
#include "items/ItemTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Classes of the item page's class list, in list order; the texts are the
// values of an item's class field.
inline constexpr std::size_t kClassCount = 4;
inline constexpr std::string_view kClassTexts[kClassCount] = {"archer", "Knight", "mage", "all"};
inline constexpr int kClassKnight = 1;
inline constexpr int kClassAll = 3;

// Types of the item page's type list; "Shield" is offered for "Knight" and "all" only.
inline constexpr int kTypeWeapon = 5;
inline constexpr int kTypeShield = 6;

// Whether an item's class field holds the class text: files write the class
// word in any case ("knight"), so ASCII letters match whatever their case.
bool IsClassWord(std::string_view fieldText, std::string_view classText);

// The position of the class a class field holds, or nothing for any other text.
std::optional<int> ClassPosition(std::string_view fieldText);

// Whether the type list offers "Shield" for the class at this position.
bool ClassHasShield(int classPosition);

struct TypeFilter {
    std::string keyword; // compared with the kind (rule A) and with `field` (rule B)
    ItemField field = ItemField::Kind;
};

// The keyword and field that select the items of a type for a class; nothing
// for a position outside the lists (or "Shield" for a class without shields).
std::optional<TypeFilter> TypeFilterFor(int typePosition, int classPosition);

struct ItemListEntry {
    std::string text;                   // the display name, or "No name"
    std::optional<std::size_t> nameRow; // the name row whose item the entry shows; none when it shows none

    bool operator==(const ItemListEntry&) const = default;
};

// Builds the item list of a class and type. For each item row in order, rule A
// (the class field is the class word, IsClassWord, and the kind the keyword) and, for the
// class "all" only, rule B (the filter's field is the keyword) each add one
// entry: the display name of the first name row whose number is the item's
// name number, or "No name". Of the entries of one name row only the last
// shows an item. No type chosen yet (an empty keyword) lists nothing.
std::vector<ItemListEntry> BuildItemList(const ItemTable& items, const ItemNameTable& names,
                                         std::string_view classText, const TypeFilter& filter);

// The first item row whose name number is exactly `nameNumber`; nothing for an empty text.
std::optional<std::size_t> FindItemRow(const ItemTable& items, std::string_view nameNumber);

// The item row an entry of a name row shows: the name's number read as an
// integer (throws ConvertError when it is none) and written back in decimal,
// so "07" finds the item numbered "7". The names as they are now count, not
// as they were when the list was built.
std::optional<std::size_t> ItemRowOfName(const ItemTable& items, const ItemNameTable& names,
                                         std::size_t nameRow);
