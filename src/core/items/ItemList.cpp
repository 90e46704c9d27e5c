#include "items/ItemList.h"

#include "records/IntegerText.h"

#include <algorithm>
#include <unordered_map>

namespace {
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool IsClassWord(std::string_view fieldText, std::string_view classText) {
    return std::ranges::equal(fieldText, classText,
                              [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

std::optional<int> ClassPosition(std::string_view fieldText) {
    for (std::size_t i = 0; i < kClassCount; ++i) {
        if (IsClassWord(fieldText, kClassTexts[i])) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

bool ClassHasShield(int classPosition) {
    return classPosition == kClassKnight || classPosition == kClassAll;
}

std::optional<TypeFilter> TypeFilterFor(int typePosition, int classPosition) {
    static constexpr std::string_view kArmourKeywords[] = {"helmet", "upperarmor", "gauntlet", "lowerarmor",
                                                           "boots"};
    static constexpr std::string_view kWeaponKeywords[kClassCount] = {"bow", "sword", "wand", "weapon"};
    if (typePosition >= 0 && typePosition < kTypeWeapon) {
        return TypeFilter{std::string(kArmourKeywords[typePosition]), ItemField::Kind};
    }
    if (classPosition < 0 || classPosition >= static_cast<int>(kClassCount)) {
        return std::nullopt;
    }
    if (typePosition == kTypeWeapon) {
        const ItemField field = classPosition == kClassAll ? ItemField::Category : ItemField::Kind;
        return TypeFilter{std::string(kWeaponKeywords[classPosition]), field};
    }
    if (typePosition == kTypeShield && ClassHasShield(classPosition)) {
        return TypeFilter{"shield", ItemField::Kind};
    }
    return std::nullopt;
}

std::vector<ItemListEntry> BuildItemList(const ItemTable& items, const ItemNameTable& names,
                                         std::string_view classText, const TypeFilter& filter) {
    std::vector<ItemListEntry> entries;
    if (filter.keyword.empty()) {
        return entries; // no type chosen yet: an empty keyword would match every unfilled field
    }
    // The first name row of each number, found once for the whole list.
    std::unordered_map<std::string_view, std::size_t> rowOfNumber;
    for (std::size_t row = 0; row < names.size(); ++row) {
        rowOfNumber.try_emplace(names[row].number, row);
    }
    std::unordered_map<std::size_t, std::size_t> lastEntryOfName;
    const auto addEntry = [&](const ItemRow& item) {
        const std::string& number = item[ItemField::NameNumber];
        const auto found = number.empty() ? rowOfNumber.end() : rowOfNumber.find(number);
        if (found == rowOfNumber.end()) {
            entries.push_back({"No name", std::nullopt});
            return;
        }
        const std::size_t nameRow = found->second;
        if (const auto [last, inserted] = lastEntryOfName.try_emplace(nameRow, entries.size()); !inserted) {
            entries[last->second].nameRow.reset();
            last->second = entries.size();
        }
        entries.push_back({names[nameRow].displayName, nameRow});
    };
    const bool allClasses = classText == kClassTexts[kClassAll];
    for (std::size_t row = 0; row < items.size(); ++row) {
        const ItemRow& item = items[row];
        if (IsClassWord(item[ItemField::Class], classText) && item[ItemField::Kind] == filter.keyword) {
            addEntry(item);
        }
        if (allClasses && item[filter.field] == filter.keyword) {
            addEntry(item);
        }
    }
    return entries;
}

std::optional<std::size_t> FindItemRow(const ItemTable& items, std::string_view nameNumber) {
    if (nameNumber.empty()) {
        return std::nullopt;
    }
    for (std::size_t row = 0; row < items.size(); ++row) {
        if (items[row][ItemField::NameNumber] == nameNumber) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ItemRowOfName(const ItemTable& items, const ItemNameTable& names,
                                         std::size_t nameRow) {
    return FindItemRow(items, IntToStr(StrToInt(names[nameRow].number)));
}
