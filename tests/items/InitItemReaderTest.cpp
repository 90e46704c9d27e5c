#include "items/InitItemReader.h"
#include "items/ItemFileReading.h"
#include "records/Errors.h"

#include "items/ItemFileTestSupport.h"
#include "support/SeededChoices.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {
struct FieldValue {
    std::size_t row;
    std::size_t field;
    std::string value;
};

struct ReaderCase {
    const char* what;
    std::string input;
    std::vector<FieldValue> fields; // every field that is not listed stays empty
    std::int64_t lastRow;
    std::int64_t valuesLeftOut = 0;
};

const std::vector<ReaderCase>& readerCases() {
    static const std::vector<ReaderCase> cases{
        {"a whole record",
         "(item (name 5) (Index 1203) (Image \"ic\\a b(c).bmp\") (class weapon sword) (limit Knight 10) "
         "(Attack 12 20) (wear 1) (repair) (specialty (aspeed 3) (Str 4)))\r\n",
         {{0, 1, "5"},
          {0, 2, "1203"},
          {0, 3, "ic\\a b(c).bmp"},
          {0, 7, "weapon"},
          {0, 8, "sword"},
          {0, 22, "Knight"},
          {0, 23, "10"},
          {0, 37, "12"},
          {0, 38, "20"},
          {0, 17, "1"},
          {0, 65, "1"},
          {0, 30, "3"},
          {0, 31, "4"}},
         0},
        {"records fill rows in file order",
         "(item (name 1))\r\n(item (name 2) (buy 0))\r\n",
         {{0, 1, "1"}, {1, 1, "2"}, {1, 25, "0"}},
         1},
        {"keys are matched with case", "(item (str 5) (Level 3) (Str 7))", {{0, 31, "7"}}, 0},
        {"a space before the key hides it", "(item ( level 3) (hp 9))", {{0, 35, "9"}}, 0},
        {"an unknown key stores nothing, a known prefix is taken",
         "(item (weight 5) (useful 1))",
         {{0, 18, "1"}},
         0},
        {"the byte after a word key is its separator", "(item (level5))", {{0, 16, ")"}}, 0},
        {"a tab separates like a space",
         "(item (name\t5) (Magic 12\t20))",
         {{0, 1, "5"}, {0, 39, "12"}, {0, 40, "20"}},
         0},
        {"flags 0, 1 and 2 all store 1",
         "(item (wear 0) (use 2) (plural 1) (pay 1))",
         {{0, 17, "1"}, {0, 18, "1"}, {0, 19, "1"}, {0, 20, "1"}},
         0},
        {"a flag waits for a digit across groups", "(item (wear x) (use 1))", {{0, 17, "1"}}, 0},
        {"country values before a blank become 1",
         "(item (country 0 1 2))",
         {{0, 13, "1"}, {0, 14, "1"}, {0, 15, "1"}},
         0},
        {"a single country value is kept", "(item (country 2))", {{0, 13, "2"}}, 0},
        {"the second of two country values is kept", "(item (country 5 7))", {{0, 13, "1"}, {0, 14, "7"}}, 0},
        {"a third country value before ) becomes 1",
         "(item (country 5 6 7))",
         {{0, 13, "1"}, {0, 14, "1"}, {0, 15, "1"}},
         0},
        {"further values go to the following fields",
         "(item (Action 1 2 3) (refresh hp 7 8))",
         {{0, 4, "1"}, {0, 5, "2"}, {0, 6, "3"}, {0, 50, "7"}, {0, 51, "8"}},
         0},
        {"a blank before ) collects the ) as the next value",
         "(item (level 5 ))",
         {{0, 16, "5"}, {0, 17, ")"}},
         0},
        {"an empty quoted value runs to the next quote",
         "(item (Image \"\") (name 3)) (item (Image \"z\"))",
         {{0, 3, "\") (name 3)) (item (Image "}},
         0},
        {"a quoted key without quotes stores nothing", "(item (Image) (name 4))", {{0, 1, "4"}}, 0},
        {"there is no comment syntax", ";(item (name 9))", {{0, 1, "9"}}, 0},
        {"repair and protect are marks", "(item (repair 1) (protect))", {{0, 65, "1"}, {0, 66, "1"}}, 0},
        {"values past field 70 are left out",
         "(item (Int 1 2 3 4 5))",
         {{0, 67, "1"}, {0, 68, "2"}, {0, 69, "3"}, {0, 70, "4"}},
         0,
         1},
        {"values before the first record are left out",
         "(name 5) (repair) (item (Index 2))",
         {{0, 2, "2"}},
         0,
         2},
        {"a value cut off by the end of the file is not stored", "(item (name 5", {}, 0},
        {"an empty file reads no record", "", {}, -1},
    };
    return cases;
}

void expectFields(const ItemTable& table, const ReaderCase& test) {
    std::map<std::pair<std::size_t, std::size_t>, std::string> expected;
    for (const FieldValue& value : test.fields) {
        expected[{value.row, value.field}] = value.value;
    }
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t field = 0; field < ItemRow::kFieldCount; ++field) {
            const auto found = expected.find({row, field});
            EXPECT_EQ(table[row].fields[field], found == expected.end() ? std::string() : found->second)
                << test.what << ": row " << row << " field " << field;
        }
    }
}

TEST(InitItemReader, StateMachine) {
    for (const ReaderCase& test : readerCases()) {
        ItemTable table;
        const ItemFileLoad load = ParseInitItem(test.input, table);
        expectFields(table, test);
        EXPECT_EQ(load.lastRow, test.lastRow) << test.what;
        EXPECT_EQ(load.valuesLeftOut, test.valuesLeftOut) << test.what;
    }
}

TEST(InitItemReader, BlockSizeNeverChangesTheResult) {
    for (const ReaderCase& test : readerCases()) {
        const ScratchFile file("blocks.txt", test.input);
        for (const std::size_t blockSize : {1, 2, 3, 5, 8, 13}) {
            ItemTable table;
            const ItemFileLoad load = ReadInitItem(file.path(), table, blockSize);
            expectFields(table, test);
            EXPECT_EQ(load.lastRow, test.lastRow) << test.what << " in blocks of " << blockSize;
        }
    }
}

TEST(InitItemReader, RecordAcrossTheFileBlockBoundary) {
    // Every byte of the sample record lands once on the last byte of the first block.
    const std::string record = "(item (name 77) (Image \"a b\") (country 0 1 2) (wear 1) (Attack 3 4))";
    for (std::size_t shift = 0; shift <= record.size(); ++shift) {
        std::string bytes(kItemFileBlockSize - shift, '\n');
        bytes += record;
        const ScratchFile file("boundary.txt", bytes);
        ItemTable table;
        ReadInitItem(file.path(), table, kItemFileBlockSize);
        const ItemRow& row = RecordAt(table, 0);
        ASSERT_EQ(row.fields[1], "77") << shift;
        ASSERT_EQ(row.fields[3], "a b") << shift;
        ASSERT_EQ(row.fields[15], "1") << shift;
        ASSERT_EQ(row.fields[17], "1") << shift;
        ASSERT_EQ(row.fields[37], "3") << shift;
        ASSERT_EQ(row.fields[38], "4") << shift;
    }
}

TEST(InitItemReader, LaterLoadOverwritesOnlyWhatItStores) {
    ItemTable table;
    ParseInitItem("(item (name 1) (buy 5))(item (name 2))(item (name 3))(item (name 4))(item (name 5))",
                  table);
    const ItemFileLoad load = ParseInitItem("(item (name 7))(item (name 8))(item (name 9))", table);
    EXPECT_EQ(load.lastRow, 2);
    EXPECT_EQ(RecordAt(table, 0).fields[1], "7");
    EXPECT_EQ(RecordAt(table, 0).fields[25], "5");
    EXPECT_EQ(RecordAt(table, 3).fields[1], "4");
    EXPECT_EQ(RecordAt(table, 4).fields[1], "5");
    ParseInitItem("", table);
    EXPECT_EQ(RecordAt(table, 0).fields[1], "7");
}

TEST(InitItemReader, EveryRecordIsStoredAndValuesPastTheFieldsAreCounted) {
    std::string bytes;
    for (int k = 0; k < 4000; ++k) {
        bytes += "(item (name " + std::to_string(k) + ") (Int 1 2 3 4 5))\r\n";
    }
    ItemTable table;
    const ItemFileLoad load = ParseInitItem(bytes, table);
    EXPECT_EQ(load.lastRow, 3999);
    EXPECT_EQ(load.valuesLeftOut, 4000); // one value past field 70 per record
    EXPECT_EQ(RecordAt(table, 3999).fields[1], "3999");
    EXPECT_EQ(load.notes(),
              LoadNotes{"4000 values before the first item record or past field 70 were left out."});
}

// InitItem.txt as large servers have it: 2,600 items over several lines each,
// tabs between groups, quoted image paths with blanks, nested specialty
// groups, groups now and then left out.
TEST(InitItemReader, ServerSizedFileStoresEveryItem) {
    SeededChoices choose(11);
    std::string bytes = "; InitItem.txt\r\n";
    std::vector<std::string> buy(2600);
    for (std::size_t k = 0; k < buy.size(); ++k) {
        buy[k] = choose.Number(90000);
        const std::string n = std::to_string(k + 1);
        bytes += "(item (name " + n + ") (Index " + std::to_string(1000 + k) + ")\t(Image \"items\\a " + n +
                 ".bmp\")\r\n\t(class " + std::string(choose.OneOf({"weapon sword", "defense helmet"})) +
                 ") (country 0 1)" + (choose.OneIn(3) ? "" : " (level " + choose.Number(80) + ")") +
                 " (wear 1) (limit " + std::string(choose.OneOf({"all", "Knight", "mage"})) +
                 " 10)\r\n\t(buy " + buy[k] + ") (specialty (Attack " + n + " 20)" +
                 (choose.OneIn(2) ? " (hp 9)" : "") + ") (repair))\r\n";
    }
    ItemTable table;
    const ItemFileLoad load = ParseInitItem(bytes, table);
    EXPECT_EQ(load.lastRow, 2599);
    EXPECT_EQ(load.valuesLeftOut, 0);
    for (std::size_t k = 0; k < buy.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        const ItemRow& row = std::as_const(table)[k];
        ASSERT_EQ(row[ItemField::NameNumber], n);
        ASSERT_EQ(row[ItemField::Index], std::to_string(1000 + k));
        ASSERT_EQ(row.fields[3], "items\\a " + n + ".bmp");
        ASSERT_EQ(row[ItemField::Buy], buy[k]);
        ASSERT_EQ(row[ItemField::AttackMax], n);
        ASSERT_EQ(row.fields[65], "1"); // repair
    }
}

TEST(InitItemReader, MissingFileFailsWithoutStoring) {
    ItemTable table;
    try {
        ReadInitItem("/nonexistent/brennick/InitItem.txt", table, kItemFileBlockSize);
        FAIL();
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file \"/nonexistent/brennick/InitItem.txt\". File not found");
    }
    EXPECT_EQ(RecordAt(table, 0).fields[1], "");
}
} // namespace
