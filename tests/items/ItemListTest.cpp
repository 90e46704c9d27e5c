#include "items/ItemListBuilder.h"
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
            RecordAt(items, row)[1] = itemRows[row].number;
            RecordAt(items, row)[7] = itemRows[row].category;
            RecordAt(items, row)[8] = itemRows[row].kind;
            RecordAt(items, row)[22] = itemRows[row].forClass;
        }
        for (std::size_t row = 0; row < nameRows.size(); ++row) {
            RecordAt(names, row).number = nameRows[row].number;
            RecordAt(names, row).displayName = nameRows[row].name;
        }
    }
};

TEST(ItemList, RulesAAndB) {
    Tables tables(
        {{"1", "weapon", "bow", "archer"},
         {"2", "weapon", "bow", "Knight"},
         {"3", "weapon", "sword", "archer"},
         {"4", "defense", "helmet", "all"},
         {"5", "weapon", "sword", "Knight"},
         {"6", "weapon", "bow", "archer"},
         {"7", "defense", "helmet", "mage"}},
        {{"1", "Bow"}, {"2", "Long Bow"}, {"3", "Sword"}, {"4", "Cap"}, {"5", "Blade"}, {"7", "Hood"}});
    struct Case {
        const char* what;
        std::string classText;
        TypeFilter filter;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"archer bows", "archer", {"bow", 8}, {"Bow", "No name"}},
        {"a mage compared with the bow keyword lists nothing", "mage", {"bow", 8}, {}},
        {"all weapons whatever their class",
         "all",
         {"weapon", 7},
         {"Bow", "Long Bow", "Sword", "Blade", "No name"}},
        {"an all-class helmet meets both rules", "all", {"helmet", 8}, {"Cap", "Cap", "Hood"}},
        {"Knight helmets", "Knight", {"helmet", 8}, {}},
        {"no type chosen yet", "all", {"", 0}, {}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(BuildItemList(tables.items, tables.names, test.classText, test.filter), test.expected)
            << test.what;
    }
}

TEST(ItemList, NameRowsRecordTheirLastPosition) {
    Tables tables({{"4", "defense", "helmet", "all"},
                   {"9", "defense", "helmet", "all"},
                   {"7", "defense", "helmet", "all"}},
                  {{"7", "Hood"}, {"4", "Cap"}, {"5", "Stale"}});
    RecordAt(tables.names, 2).listPosition = "3";
    const auto entries = BuildItemList(tables.items, tables.names, "all", {"helmet", 8});
    EXPECT_EQ(entries, (std::vector<std::string>{"Cap", "Cap", "No name", "No name", "Hood", "Hood"}));
    EXPECT_EQ(RecordAt(tables.names, 1).listPosition, "1"); // the row listed twice keeps the second position
    EXPECT_EQ(RecordAt(tables.names, 0).listPosition, "5");
    EXPECT_EQ(RecordAt(tables.names, 2).listPosition, "");
    EXPECT_EQ(FindNameRowAtPosition(tables.names, 0), std::nullopt);
    EXPECT_EQ(FindNameRowAtPosition(tables.names, 1), 1u);
    EXPECT_EQ(FindNameRowAtPosition(tables.names, 2), std::nullopt);
}

TEST(ItemList, ItemWithoutNameNumberIsNoName) {
    Tables tables({{"", "defense", "boots", "mage"}}, {});
    EXPECT_EQ(BuildItemList(tables.items, tables.names, "mage", {"boots", 8}),
              (std::vector<std::string>{"No name"}));
    EXPECT_EQ(FindItemRow(tables.items, ""), std::nullopt);
}

TEST(ItemList, EntryFindsTheFirstItemWithTheDecimalNumber) {
    Tables tables({{"07", "defense", "boots", "mage"},
                   {"7", "defense", "boots", "mage"},
                   {"7", "x", "y", "z"},
                   {"8", "defense", "boots", "mage"}},
                  {{"07", "Shoes"}, {"x8", "Bad"}, {"3", "Unused"}});
    RecordAt(tables.names, 0).listPosition = "0";
    RecordAt(tables.names, 1).listPosition = "1";
    EXPECT_EQ(ItemRowForEntry(tables.items, tables.names, 0), 1u);
    EXPECT_THROW(ItemRowForEntry(tables.items, tables.names, 1), ConvertError);
    EXPECT_EQ(ItemRowForEntry(tables.items, tables.names, 2), std::nullopt);
    RecordAt(tables.names, 2).listPosition = "2";
    EXPECT_EQ(ItemRowForEntry(tables.items, tables.names, 2), std::nullopt);
}
} // namespace
