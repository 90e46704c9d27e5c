#include "items/ItemListBuilder.h"

#include "records/IntegerText.h"

#include <unordered_map>

std::optional<int> ClassPosition(std::string_view fieldText) {
    for (std::size_t i = 0; i < kClassCount; ++i) {
        if (kClassTexts[i] == fieldText) {
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
        return TypeFilter{std::string(kArmourKeywords[typePosition]), item_field::kKind};
    }
    if (classPosition < 0 || classPosition >= static_cast<int>(kClassCount)) {
        return std::nullopt;
    }
    if (typePosition == kTypeWeapon) {
        const std::size_t field = classPosition == kClassAll ? item_field::kCategory : item_field::kKind;
        return TypeFilter{std::string(kWeaponKeywords[classPosition]), field};
    }
    if (typePosition == kTypeShield && ClassHasShield(classPosition)) {
        return TypeFilter{"shield", item_field::kKind};
    }
    return std::nullopt;
}

std::vector<std::string> BuildItemList(const ItemTable& items, ItemNameTable& names,
                                       std::string_view classText, const TypeFilter& filter) {
    for (std::size_t row = 0; row < names.size(); ++row) {
        names[row].listPosition.clear();
    }
    std::vector<std::string> entries;
    if (filter.keyword.empty()) {
        return entries; // no type chosen yet: an empty keyword would match every unfilled field
    }
    // The first name row of each number, found once for the whole list.
    std::unordered_map<std::string_view, std::size_t> rowOfNumber;
    for (std::size_t row = 0; row < names.size(); ++row) {
        rowOfNumber.try_emplace(names[row].number, row);
    }
    const auto addEntry = [&](const ItemTable::Row& item) {
        const std::string& number = item[item_field::kNameNumber];
        const auto found = number.empty() ? rowOfNumber.end() : rowOfNumber.find(number);
        if (found == rowOfNumber.end()) {
            entries.emplace_back("No name");
            return;
        }
        ItemNameEntry& name = names[found->second];
        name.listPosition = IntToStr(static_cast<std::int64_t>(entries.size()));
        entries.push_back(name.displayName);
    };
    const bool allClasses = classText == kClassTexts[kClassAll];
    const std::size_t ruleBField = filter.field < ItemTable::kFields ? filter.field : item_field::kKind;
    for (std::size_t row = 0; row < items.size(); ++row) {
        const ItemTable::Row& item = items[row];
        if (item[item_field::kClass] == classText && item[item_field::kKind] == filter.keyword) {
            addEntry(item);
        }
        if (allClasses && item[ruleBField] == filter.keyword) {
            addEntry(item);
        }
    }
    return entries;
}

std::optional<std::size_t> FindNameRowAtPosition(const ItemNameTable& names, std::size_t position) {
    const std::string text = IntToStr(static_cast<std::int64_t>(position));
    for (std::size_t row = 0; row < names.size(); ++row) {
        if (names[row].listPosition == text) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindItemRow(const ItemTable& items, std::string_view nameNumber) {
    if (nameNumber.empty()) {
        return std::nullopt;
    }
    for (std::size_t row = 0; row < items.size(); ++row) {
        if (items[row][item_field::kNameNumber] == nameNumber) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ItemRowForEntry(const ItemTable& items, const ItemNameTable& names,
                                           std::size_t position) {
    const std::optional<std::size_t> nameRow = FindNameRowAtPosition(names, position);
    if (!nameRow) {
        return std::nullopt;
    }
    return FindItemRow(items, IntToStr(StrToInt(names[*nameRow].number)));
}
