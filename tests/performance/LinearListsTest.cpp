// The spawn monster list and the item list are built with an index from text
// to position, once per build. These tests hold them to the plain nested
// searches they replace, on full tables and on tables with the odd cases
// (repeated numbers, empty numbers, a bad index).

#include "ServerSizeData.h"

#include "items/InitItemReader.h"
#include "items/ItemList.h"
#include "items/ItemNamesReader.h"
#include "records/Errors.h"
#include "records/IntegerText.h"
#include "spawns/SpawnEditor.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {
// For each record without an entry: its monster's name, and that entry for
// every record of the same monster without an entry.
void NestedSpawnMonsterList(const SpawnTable& table, const MonsterNameTable& names,
                            std::vector<std::string>& out, std::vector<std::string>& entryOfRecord) {
    const std::size_t live = table.LiveCount();
    entryOfRecord.assign(live, "");
    int entries = 0;
    for (std::size_t a = 0; a < live; ++a) {
        if (!entryOfRecord[a].empty()) {
            continue;
        }
        out.push_back(names.MonsterNameForText(table[a][SpawnField::Index]));
        const std::string entry = IntToStr(entries++);
        const std::string index = table[a][SpawnField::Index];
        for (std::size_t b = 0; b < live; ++b) {
            if (table[b][SpawnField::Index] == index && entryOfRecord[b].empty()) {
                entryOfRecord[b] = entry;
            }
        }
    }
}

std::vector<ItemListEntry> NestedItemList(const ItemTable& items, const ItemNameTable& names,
                                          std::string_view classText, const TypeFilter& filter) {
    std::vector<ItemListEntry> entries;
    if (filter.keyword.empty()) {
        return entries;
    }
    const auto addEntry = [&](const ItemRow& item) {
        const std::string& number = item[ItemField::NameNumber];
        for (std::size_t row = 0; !number.empty() && row < names.size(); ++row) {
            if (names[row].number == number) {
                for (ItemListEntry& earlier : entries) {
                    if (earlier.nameRow == row) {
                        earlier.nameRow.reset();
                    }
                }
                entries.push_back({names[row].displayName, row});
                return;
            }
        }
        entries.push_back({"No name", std::nullopt});
    };
    const bool allClasses = classText == kClassTexts[kClassAll];
    for (std::size_t row = 0; row < items.size(); ++row) {
        const ItemRow& item = items[row];
        if (item[ItemField::Class] == classText && item[ItemField::Kind] == filter.keyword) {
            addEntry(item);
        }
        if (allClasses && item[filter.field] == filter.keyword) {
            addEntry(item);
        }
    }
    return entries;
}

struct SpawnCase {
    const char* name;
    std::function<void(SpawnTable&)> change;
};

TEST(LinearListsTest, SpawnMonsterListMatchesTheNestedSearch) {
    const std::unique_ptr<MonsterNameTable> names = server_size::MonsterNames();
    const std::vector<SpawnCase> cases{
        {"full table", [](SpawnTable&) {}},
        {"same monster written two ways",
         [](SpawnTable& t) {
             RecordAt(t, 600)[SpawnField::Index] = "02";
             RecordAt(t, 900)[SpawnField::Index] = "02";
         }},
        {"spawns without an index",
         [](SpawnTable& t) { RecordAt(t, 40)[SpawnField::Index] = RecordAt(t, 41)[SpawnField::Index] = ""; }},
        {"bad index after a few monsters",
         [](SpawnTable& t) {
             RecordAt(t, 700)[SpawnField::Index] = "x";
             RecordAt(t, 701)[SpawnField::Index] = "x";
         }},
    };
    for (const SpawnCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::unique_ptr<SpawnTable> table = server_size::Spawns();
        test.change(*table);

        std::vector<std::string> expectedEntries;
        std::vector<std::string> expectedEntryOfRecord;
        std::string expectedError;
        try {
            NestedSpawnMonsterList(*table, *names, expectedEntries, expectedEntryOfRecord);
        } catch (const ConvertError& error) {
            expectedError = error.what();
        }
        std::optional<std::string> read;
        SpawnEditor editor(*table, *names, read);
        std::string actualError;
        try {
            editor.BuildMonsterList();
        } catch (const ConvertError& error) {
            actualError = error.what();
        }
        std::vector<std::string> actualEntries;
        std::vector<std::string> actualEntryOfRecord(table->LiveCount());
        for (std::size_t entry = 0; entry < editor.monsterList().size(); ++entry) {
            actualEntries.push_back(editor.monsterList()[entry].name);
            for (const std::size_t spawn : editor.monsterList()[entry].spawns) {
                actualEntryOfRecord[spawn] = IntToStr(static_cast<std::int64_t>(entry));
            }
        }

        EXPECT_EQ(actualEntries, expectedEntries);
        EXPECT_EQ(actualError, expectedError);
        EXPECT_EQ(actualEntryOfRecord, expectedEntryOfRecord);
    }
}

struct ItemCase {
    const char* name;
    int classPosition;
    int typePosition;
    std::function<void(ItemTable&, ItemNameTable&)> change;
};

TEST(LinearListsTest, ItemListMatchesTheNestedSearch) {
    const auto none = [](ItemTable&, ItemNameTable&) {};
    const std::vector<ItemCase> cases{
        {"all weapons", kClassAll, kTypeWeapon, none},
        {"archer bows", 0, kTypeWeapon, none},
        {"knight shields", kClassKnight, kTypeShield, none},
        {"all helmets", kClassAll, 0, none},
        {"repeated and missing name numbers", kClassAll, kTypeWeapon,
         [](ItemTable& items, ItemNameTable& names) {
             RecordAt(names, 10).number = RecordAt(names, 4).number; // the first row with a number wins
             RecordAt(names, 3).number.clear();
             RecordAt(items, 8)[ItemField::NameNumber] = RecordAt(items, 0)[ItemField::NameNumber];
             RecordAt(items, 16)[ItemField::NameNumber].clear();
             RecordAt(items, 24)[ItemField::NameNumber] = "99999";
         }},
    };
    for (const ItemCase& test : cases) {
        SCOPED_TRACE(test.name);
        ItemTable items;
        auto names = std::make_unique<ItemNameTable>();
        ParseInitItem(server_size::InitItemBytes(), items);
        ParseItemNames(server_size::ItemNameBytes(), *names);
        test.change(items, *names);
        const std::optional<TypeFilter> filter = TypeFilterFor(test.typePosition, test.classPosition);
        ASSERT_TRUE(filter);
        const std::string classText(kClassTexts[static_cast<std::size_t>(test.classPosition)]);

        const std::vector<ItemListEntry> expected = NestedItemList(items, *names, classText, *filter);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(BuildItemList(items, *names, classText, *filter), expected);
    }
}
} // namespace
