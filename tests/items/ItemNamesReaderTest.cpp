#include "items/ItemNamesReader.h"
#include "items/ItemFileReading.h"

#include "items/ItemFileTestSupport.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct NamesCase {
    const char* what;
    std::string input;
    std::vector<std::pair<std::string, std::string>> rows; // number and name of rows 0, 1, ...
    std::int64_t lastRow;
    std::int64_t valuesLeftOut = 0;
};

const std::vector<NamesCase>& namesCases() {
    static const std::vector<NamesCase> cases{
        {"plain records",
         "(itemname 12 \"Axe\")\r\n(itemname 3 \"Long Bow\")\r\n",
         {{"12", "Axe"}, {"3", "Long Bow"}},
         1},
        {"blanks before the keyword and a tab after it", "(  itemname\t7 \"Cap\")", {{"7", "Cap"}}, 0},
        {"a number touching the quote is not stored", "(itemname 5\"Axe\")", {{"", "5\"Axe"}}, 0},
        {"a ( in a name swallows the next record",
         "(itemname 1 \"Axe(x)\")\r\n(itemname 2 \"Bow\")\r\n(itemname 3 \"Cap\")",
         {{"Axe(x)\")\r\n(itemname", "Bow"}, {"3", "Cap"}},
         1},
        {"an empty name swallows the next record",
         "(itemname 1 \"\")\r\n(itemname 2 \"B\")\r\n(itemname 3 \"C\")",
         {{"\")\r\n(itemname", "B"}, {"3", "C"}},
         1},
        {"a header group before the first record is left out",
         "(version 3 \"x\")\r\n(itemname 1 \"A\")",
         {{"1", "A"}},
         0,
         2},
        {"the keyword is matched with case", "(ItemName 1 \"A\")", {}, -1, 2},
        {"a name cut off by the end of the file is not stored", "(itemname 4 \"Ax", {{"4", ""}}, 0},
        {"an empty file", "", {}, -1},
    };
    return cases;
}

void expectRows(const ItemNameTable& table, const NamesCase& test) {
    for (std::size_t row = 0; row < 3; ++row) {
        const auto expected = row < test.rows.size() ? test.rows[row] : std::pair<std::string, std::string>{};
        EXPECT_EQ(table[row].number, expected.first) << test.what << ": row " << row;
        EXPECT_EQ(table[row].displayName, expected.second) << test.what << ": row " << row;
    }
}

TEST(ItemNamesReader, StateMachine) {
    for (const NamesCase& test : namesCases()) {
        ItemNameTable table;
        const ItemFileLoad load = ParseItemNames(test.input, table);
        expectRows(table, test);
        EXPECT_EQ(load.lastRow, test.lastRow) << test.what;
        EXPECT_EQ(load.valuesLeftOut, test.valuesLeftOut) << test.what;
    }
}

TEST(ItemNamesReader, BlockSizeNeverChangesTheResult) {
    for (const NamesCase& test : namesCases()) {
        const ScratchFile file("names-blocks.txt", test.input);
        for (const std::size_t blockSize : {1, 2, 3, 7}) {
            ItemNameTable table;
            const ItemFileLoad load = ReadItemNames(file.path(), table, blockSize);
            expectRows(table, test);
            EXPECT_EQ(load.lastRow, test.lastRow) << test.what << " in blocks of " << blockSize;
        }
    }
}

TEST(ItemNamesReader, RecordAcrossTheFileBlockBoundary) {
    const std::string record = "(itemname 12 \"Iron Axe\")";
    for (std::size_t shift = 0; shift <= record.size(); ++shift) {
        const ScratchFile file("names-boundary.txt", std::string(kItemFileBlockSize - shift, '\n') + record);
        ItemNameTable table;
        ReadItemNames(file.path(), table, kItemFileBlockSize);
        ASSERT_EQ(RecordAt(table, 0).number, "12") << shift;
        ASSERT_EQ(RecordAt(table, 0).displayName, "Iron Axe") << shift;
    }
}

TEST(ItemNamesReader, LaterLoadKeepsRowsPastItsLastRecord) {
    ItemNameTable table;
    ParseItemNames("(itemname 1 \"A\")(itemname 2 \"B\")(itemname 3 \"C\")", table);
    ParseItemNames("(itemname 9 \"Z\")", table);
    EXPECT_EQ(RecordAt(table, 0).number, "9");
    EXPECT_EQ(RecordAt(table, 0).displayName, "Z");
    EXPECT_EQ(RecordAt(table, 2).displayName, "C");
}

TEST(ItemNamesReader, EveryRecordIsStored) {
    std::string bytes;
    for (int k = 0; k < 4000; ++k) {
        bytes += "(itemname " + std::to_string(k) + " \"N" + std::to_string(k) + "\")\r\n";
    }
    ItemNameTable table;
    const ItemFileLoad load = ParseItemNames(bytes, table);
    EXPECT_EQ(load.lastRow, 3999);
    EXPECT_EQ(table.size(), 4000u);
    EXPECT_EQ(RecordAt(table, 3999).displayName, "N3999");
}
} // namespace
