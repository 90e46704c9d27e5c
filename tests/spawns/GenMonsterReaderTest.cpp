#include "spawns/GenMonsterReader.h"
#include "records/FileBytes.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
std::unique_ptr<SpawnTable> Parse(const std::string& bytes, GenMonsterLoad* load = nullptr) {
    auto table = std::make_unique<SpawnTable>();
    const GenMonsterLoad result = ParseGenMonster(bytes, *table);
    if (load != nullptr) {
        *load = result;
    }
    return table;
}

// Fields 0 to 9 of a record.
std::vector<std::string> Fields(const SpawnRecord& record) {
    return {record.fields.begin(), record.fields.begin() + 10};
}

struct RecordCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> fields; // fields 0 to 9 of record 0
    RecordExtras extras = {};
};

class GenMonsterRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(GenMonsterRecordTest, ReadsTheFieldsOfTheFirstRecord) {
    const auto table = Parse(GetParam().bytes);
    EXPECT_EQ(Fields(RecordAt((*table), 0)), GetParam().fields);
    EXPECT_EQ(RecordAt((*table), 0).extras, GetParam().extras);
    // A file's records are read in one pass where they can be; the key search reads the same.
    const RecordSpan& span = *table->SpanOf(0);
    SpawnRecord searched;
    ParseGenMonsterRecord(span.RecordText(GetParam().bytes), span.Commented(), searched);
    EXPECT_EQ(RecordAt((*table), 0), searched);
}

const std::string kSpawn =
    "(genmonster (index 12) (map 0) (area 7) (max 5) (cycle 300) (rect 7000 9000 7100 9100))";

INSTANTIATE_TEST_SUITE_P(
    Records, GenMonsterRecordTest,
    ::testing::Values(
        RecordCase{"Plain", kSpawn, {"0", "12", "0", "7", "5", "300", "7000", "9000", "7100", "9100"}},
        RecordCase{"CommentedDirectly",
                   ";" + kSpawn,
                   {"1", "12", "0", "7", "5", "300", "7000", "9000", "7100", "9100"}},
        RecordCase{"BlankAfterSemicolon",
                   "; " + kSpawn,
                   {"1", "12", "0", "7", "5", "300", "7000", "9000", "7100", "9100"}},
        RecordCase{"BlankBeforeRectEnd",
                   "(genmonster (index 1) (map 2) (area 3) (max 4) (cycle 5) (rect 1 2 3 4 ))",
                   {"0", "1", "2", "3", "4", "5", "1", "2", "3", "4"}},
        RecordCase{"MissingMax",
                   "(genmonster (index 1) (map 2) (area 3) (cycle 5) (rect 1 2 3 4))",
                   {"0", "1", "2", "3", "", "5", "1", "2", "3", "4"}},
        RecordCase{"KeysOutOfOrder",
                   "(genmonster (map 2) (index 1) (area 3) (max 4) (cycle 5) (rect 1 2 3 4))",
                   {"0", "1", "2", "3", "4", "5", "1", "2", "3", "4"}},
        RecordCase{"TwoBlanksAfterKey",
                   "(genmonster (index  12) (map 0) (area 7) (max 5) (cycle 3) (rect 1 2 3 4))",
                   {"0", "12", "0", "7", "5", "3", "1", "2", "3", "4"}},
        RecordCase{
            "BlanksInsideParenthesesAndTabs",
            "( genmonster ( index 532 ) ( map 23 ) (area\t9) (max 1) (cycle <TAB>120<TAB>) ( rect 4204 1667 "
            "4222 1686 ) )",
            {"0", "532", "23", "9", "1", "<TAB>120<TAB>", "4204", "1667", "4222", "1686"}},
        RecordCase{"TabsAroundValues",
                   "(genmonster (index\t1045\t) (map 0) (area 7) (max 5) (cycle \t120\t) (rect 1 2 3 4))",
                   {"0", "1045", "0", "7", "5", "120", "1", "2", "3", "4"}},
        RecordCase{"OtherBytesKept",
                   "(genmonster (index \"7\") (map -1) (area 0x2) (max 5;) (cycle 3) (rect -4 2 3 4))",
                   {"0", "\"7\"", "-1", "0x2", "5;", "3", "-4", "2", "3", "4"}},
        RecordCase{
            "SpreadOverLines",
            "(genmonster (index 40) (map 0) (area 41)\r\n    (max 1) (cycle 3600)\r\n    (rect 7 9 7 9))",
            {"0", "40", "0", "41", "1", "3600", "7", "9", "7", "9"}},
        RecordCase{"ExtraRectValuesStayWithTheRect",
                   "(genmonster (index 1) (map 2) (area 3) (max 4) (cycle 5) (rect 1 2 3 4 5 6))",
                   {"0", "1", "2", "3", "4", "5", "1", "2", "3", "4"},
                   {{{static_cast<std::size_t>(SpawnField::X1), " 5 6"}}, {}}},
        RecordCase{"ValuelessRectGivesNoCorners",
                   "(genmonster (index 1) (map 2) (area 3) (max 4) (cycle 5) (rect))",
                   {"0", "1", "2", "3", "4", "5", "", "", "", ""}},
        RecordCase{"UnknownGroupsAndSecondRectAreKept",
                   "(genmonster (index 10) (map 0) (removegen 2) (area 288) (max 5) (cycle 1) (rect 1 2 3 4) "
                   "(maxgencount\t5) (rect 5 6 7 8) (xy 358018 188915))",
                   {"0", "10", "0", "288", "5", "1", "1", "2", "3", "4"},
                   {{}, {"(removegen 2)", "(maxgencount 5)", "(rect 5 6 7 8)", "(xy 358018 188915)"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenMonsterReaderTest, SkipsCommentsNotesAndGroupsOfOtherKeywords) {
    const std::string bytes =
        "; GenMonster (the spawns of every map, version 2)\r\n"
        "(index 3)\r\n"
        "(genmonsters (index 9) (map 1) (area 1) (max 1) (cycle 1) (rect 1 1 1 1))\r\n" +
        kSpawn + "\r\n(note this is a longer parenthesised remark)\r\n" +
        "(genmonster\t(index 13) (map 1) (area 8) (max 1) (cycle 1) (rect 1 1 1 1))\r\n";
    GenMonsterLoad load;
    const auto table = Parse(bytes, &load);
    EXPECT_EQ(load.stored, 2u);
    EXPECT_EQ(RecordAt((*table), 0)[SpawnField::Index], "12");
    EXPECT_EQ(RecordAt((*table), 1)[SpawnField::Index], "13");
    EXPECT_EQ(table->LiveCount(), 2u);
}

TEST(GenMonsterReaderTest, EmptyAndParenthesisFreeFilesGiveAnEmptyTable) {
    for (const std::string bytes : {"", "no groups at all\r\n", "((((", ")))"}) {
        GenMonsterLoad load;
        const auto table = Parse(bytes, &load);
        EXPECT_EQ(load.stored, 0u) << bytes;
        EXPECT_EQ(Fields(RecordAt((*table), 0)), std::vector<std::string>(10)) << bytes;
    }
}

TEST(GenMonsterReaderTest, AnUnclosedLastRecordIsDropped) {
    const auto table =
        Parse(kSpawn + "\r\n(genmonster (index 5) (map 1) (area 2) (max 1) (cycle 1) (rect 1 1 1");
    EXPECT_EQ(RecordAt((*table), 0)[SpawnField::Index], "12");
    EXPECT_EQ(RecordAt((*table), 1)[SpawnField::Index], "");
}

TEST(GenMonsterReaderTest, ASecondLoadLeavesNoTraceOfTheFirst) {
    SpawnTable table;
    std::string longer;
    for (int i = 0; i < 5; ++i) {
        longer += kSpawn + "\r\n(genmonster (index 12345678901234567) (max 4 9) (odd 1))\r\n";
    }
    ParseGenMonster(longer, table);
    const std::string second = ";" + kSpawn + "(genmonster (index 7))";
    ParseGenMonster(second, table);
    SpawnTable fresh;
    ParseGenMonster(second, fresh);
    EXPECT_EQ(RecordAt(table, 0)[SpawnField::Commented], "1");
    EXPECT_EQ(RecordAt(table, 0), RecordAt(fresh, 0));
    EXPECT_EQ(RecordAt(table, 1), RecordAt(fresh, 1));
    EXPECT_EQ(std::as_const(table)[2][SpawnField::Index], "");
    EXPECT_EQ(table.LiveCount(), 2u);
}

TEST(GenMonsterReaderTest, EveryRecordOfTheFileIsStored) {
    std::string bytes = "\xEF\xBB\xBF; spawns \xD0\xBA\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 (every map)\r\n";
    for (std::size_t i = 0; i < 3600; ++i) {
        bytes += "(genmonster (index 1) (map 0) (area " + std::to_string(i) +
                 ") (max 1) (cycle 1) (rect 1 1 1 1))\n";
    }
    GenMonsterLoad load;
    const auto table = Parse(bytes, &load);
    EXPECT_EQ(load.stored, 3600u);
    EXPECT_TRUE(load.notes.empty());
    EXPECT_EQ(RecordAt((*table), 3599)[SpawnField::Area], "3599");
    EXPECT_EQ(table->LiveCount(), 3600u);
    EXPECT_EQ(table->FirstFreePosition(), 3600u);
}

TEST(GenMonsterReaderTest, NotesAnOpenGroupAndTheSpawnsWithoutIndexKeepingThem) {
    GenMonsterLoad load;
    const auto table = Parse(kSpawn + "\r\n(genmonster (map 1))\r\n" + kSpawn + "\r\n" + kSpawn +
                                 "\r\n; a stray ) \r\n(genmonster (index 4",
                             &load);
    EXPECT_EQ(load.stored, 4u);
    EXPECT_EQ(table->LiveCount(), 4u);
    EXPECT_EQ(load.notes, (LoadNotes{"the group opened on line 6 is never closed; nothing after it was read.",
                                     "spawn 2 (line 2) has no index."}));
}

TEST(GenMonsterReaderTest, TheSampleFileFillsMapsZeroToFour) {
    SpawnTable table;
    const GenMonsterLoad load = ParseGenMonster(ReadWholeFile(BRENNICK_EXAMPLES "/GenMonster.txt"), table);
    EXPECT_EQ(load.stored, table.LiveCount());
    EXPECT_GE(load.stored, 40u);
    std::set<std::string> maps;
    for (std::size_t i = 0; i < load.stored; ++i) {
        maps.insert(RecordAt(table, i)[SpawnField::Map]);
        const int index = std::stoi(RecordAt(table, i)[SpawnField::Index]);
        EXPECT_GE(index, 1);
        EXPECT_LE(index, 40);
    }
    EXPECT_EQ(maps, (std::set<std::string>{"0", "1", "2", "3", "4"}));
}
} // namespace
