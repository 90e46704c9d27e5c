#include "items/ItemList.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct ItemRowValues {
    std::string number;
    std::string category; // field 7
    std::string kind;     // field 8
    std::string forClass; // field 22
};

struct NameRowValues {
    std::string number;
    std::string name;
};

struct Tables {
    ItemTable items;
    ItemNameTable names;

    Tables(const std::vector<ItemRowValues>& itemRows, const std::vector<NameRowValues>& nameRows) {
        for (std::size_t row = 0; row < itemRows.size(); ++row) {
            RecordAt(items, row)[ItemField::NameNumber] = itemRows[row].number;
            RecordAt(items, row)[ItemField::Category] = itemRows[row].category;
            RecordAt(items, row)[ItemField::Kind] = itemRows[row].kind;
            RecordAt(items, row)[ItemField::Class] = itemRows[row].forClass;
        }
        for (std::size_t row = 0; row < nameRows.size(); ++row) {
            RecordAt(names, row).number = nameRows[row].number;
            RecordAt(names, row).displayName = nameRows[row].name;
        }
    }
};

std::vector<std::string> texts(const std::vector<ItemListEntry>& entries) {
    std::vector<std::string> shown;
    for (const ItemListEntry& entry : entries) {
        shown.push_back(entry.text);
    }
    return shown;
}

TEST(ItemList, RulesAAndB) {
    Tables tables(
        {{"1", "weapon", "bow", "archer"},
         {"2", "weapon", "bow", "Knight"},
         {"3", "weapon", "sword", "archer"},
         {"4", "defense", "helmet", "all"},
         {"5", "weapon", "sword", "Knight"},
         {"6", "weapon", "bow", "archer"},
         {"7", "defense", "helmet", "mage"},
         {"8", "defense", "helmet", "KNIGHT"}},
        {{"1", "Bow"}, {"2", "Long Bow"}, {"3", "Sword"}, {"4", "Cap"}, {"5", "Blade"}, {"7", "Hood"}});
    struct Case {
        const char* what;
        std::string classText;
        TypeFilter filter;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"archer bows", "archer", {"bow", ItemField::Kind}, {"Bow", "No name"}},
        {"a mage compared with the bow keyword lists nothing", "mage", {"bow", ItemField::Kind}, {}},
        {"all weapons whatever their class",
         "all",
         {"weapon", ItemField::Category},
         {"Bow", "Long Bow", "Sword", "Blade", "No name"}},
        {"an all-class helmet meets both rules",
         "all",
         {"helmet", ItemField::Kind},
         {"Cap", "Cap", "Hood", "No name"}},
        {"a class word in capitals", "Knight", {"helmet", ItemField::Kind}, {"No name"}},
        {"no type chosen yet", "all", {""}, {}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(texts(BuildItemList(tables.items, tables.names, test.classText, test.filter)),
                  test.expected)
            << test.what;
    }
}

TEST(ItemList, ClassPositionIgnoresTheCaseOfTheWord) {
    EXPECT_EQ(ClassPosition("ALL"), 3);
    EXPECT_EQ(ClassPosition("Knights"), std::nullopt);
}

TEST(ItemList, OnlyTheLastEntryOfANameRowShowsAnItem) {
    Tables tables({{"4", "defense", "helmet", "all"},
                   {"9", "defense", "helmet", "all"},
                   {"7", "defense", "helmet", "all"}},
                  {{"7", "Hood"}, {"4", "Cap"}, {"5", "Unused"}});
    const std::vector<ItemListEntry> expected{{"Cap", std::nullopt},     {"Cap", 1u},
                                              {"No name", std::nullopt}, {"No name", std::nullopt},
                                              {"Hood", std::nullopt},    {"Hood", 0u}};
    EXPECT_EQ(BuildItemList(tables.items, tables.names, "all", {"helmet", ItemField::Kind}), expected);
}

TEST(ItemList, ItemWithoutNameNumberIsNoName) {
    Tables tables({{"", "defense", "boots", "mage"}}, {});
    EXPECT_EQ(BuildItemList(tables.items, tables.names, "mage", {"boots", ItemField::Kind}),
              (std::vector<ItemListEntry>{{"No name", std::nullopt}}));
    EXPECT_EQ(FindItemRow(tables.items, ""), std::nullopt);
}

TEST(ItemList, EntryFindsTheFirstItemWithTheDecimalNumber) {
    Tables tables({{"07", "defense", "boots", "mage"},
                   {"7", "defense", "boots", "mage"},
                   {"7", "x", "y", "z"},
                   {"8", "defense", "boots", "mage"}},
                  {{"07", "Shoes"}, {"x8", "Bad"}, {"3", "Unused"}});
    EXPECT_EQ(ItemRowOfName(tables.items, tables.names, 0), 1u);
    EXPECT_THROW(ItemRowOfName(tables.items, tables.names, 1), ConvertError);
    EXPECT_EQ(ItemRowOfName(tables.items, tables.names, 2), std::nullopt);
}
} // namespace
