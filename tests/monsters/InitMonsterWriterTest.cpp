#include "monsters/InitMonsterWriter.h"
#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterSlots.h"
#include "records/FileBytes.h"
#include "support/SavedGroups.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>

namespace {
MonsterRecord Record(const std::map<std::size_t, std::string>& slots) {
    MonsterRecord record;
    for (const auto& [slot, text] : slots) {
        record.fields[slot] = text;
    }
    return record;
}

struct LineCase {
    const char* name;
    std::map<std::size_t, std::string> slots;
    std::string line;
};

class InitMonsterLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(InitMonsterLineTest, FollowsTheLineLayout) {
    EXPECT_EQ(InitMonsterLine(Record(GetParam().slots)), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitMonsterLineTest,
    ::testing::Values(
        LineCase{"Example",
                 {{0, "0"},
                  {1, "12"},
                  {2, "12"},
                  {4, "2"},
                  {5, "5"},
                  {6, "1"},
                  {10, "40"},
                  {11, "3"},
                  {12, "10"},
                  {18, "90"},
                  {22, "5"},
                  {23, "0"},
                  {24, "12"},
                  {25, "8"}},
                 "(monster (name 12) (index 12) (country ) (race 2) (level 5) (ai 1) (exp 40) (itemgroup 3 "
                 "10) (hp "
                 "90) (dodge 5)(attack 0 12 8) (quest ))"},
        LineCase{"EmptyRecord", {}, "(monster (name ) (index ) (country ) (race ) (level ) (quest ))"},
        LineCase{"Commented",
                 {{0, "1"}, {1, "7"}},
                 ";(monster (name 7) (index ) (country ) (race ) (level ) (quest ))"},
        LineCase{
            "GroupWrittenByItsFirstSlot",
            {{8, "10"}, {23, "0"}, {31, "400"}, {32, "9"}, {9, "x"}, {26, ""}, {27, "5"}},
            "(monster (name ) (index ) (country ) (race ) (level ) (sight 10 x) (attack 0  ) (mspeed 400 9) "
            "(quest ))"},
        LineCase{"ItemGroupOfZeroLeftOut",
                 {{11, "0"}, {12, "5"}, {38, "4"}, {39, ""}},
                 "(monster (name ) (index ) (country ) (race ) (level ) (itemgroup 4 ) (quest ))"},
        LineCase{"CountryValues",
                 {{40, "1"}, {41, "2"}, {42, "3"}},
                 "(monster (name ) (index ) (country 1 2 3) (race ) (level ) (quest ))"},
        LineCase{"CountryWithoutFirstValue",
                 {{41, "2"}},
                 "(monster (name ) (index ) (country 0 2) (race ) (level ) (quest ))"},
        LineCase{"CountryEmptiedMiddleValue",
                 {{40, "1"}, {42, "3"}},
                 "(monster (name ) (index ) (country 1 0 3) (race ) (level ) (quest ))"},
        LineCase{"AttackMaxEmptied",
                 {{23, "1"}, {24, ""}, {25, "30"}, {38, "4"}, {39, "2"}},
                 "(monster (name ) (index ) (country ) (race ) (level ) (itemgroup 4 2) (attack 1 0 30) "
                 "(quest ))"},
        LineCase{
            "EveryStatisticAndResist",
            {{13, "1"},
             {14, "2"},
             {15, "3"},
             {16, "4"},
             {17, "5"},
             {19, "6"},
             {20, "7"},
             {21, "8"},
             {28, "9"},
             {29, "10"},
             {30, "11"},
             {33, "a"},
             {35, "c"},
             {7, "3"}},
            "(monster (name ) (index ) (country ) (race ) (level ) (range 3) (str 1) (hth 2) (int 3) (wis 4) "
            "(dex 5) (mp 6) (aspeed 7) (hit 8) (defense 9 10) (absorb 11) (resist a 0 c  ) (quest ))"},
        LineCase{"RawTextsKeepTheirLeadingSpace",
                 {{49, " 7 1"}, {50, " (3 1) (4 1)"}},
                 "(monster (name ) (index ) (country ) (race ) (level ) (skill 7 1)(quest (3 1) (4 1)))"},
        LineCase{"RawTextWithoutLeadingBlankGetsASpace",
                 {{49, "7"}, {50, "\t(3 1)"}},
                 "(monster (name ) (index ) (country ) (race ) (level ) (skill 7)(quest\t(3 1)))"},
        LineCase{
            "SpaceOnlyQuest", {{50, " "}}, "(monster (name ) (index ) (country ) (race ) (level ) (quest ))"},
        LineCase{
            "LongValues",
            {{1, "123456789012345"},
             {2, "1234567890123456"},
             {4, "12345678901234567"},
             {8, "1"},
             {9, "123456789012345"}},
            "(monster (name 123456789012345) (index 1234567890123456) (country ) (race 12345678901234567) "
            "(level ) (sight 1 123456789012345) (quest ))"},
        LineCase{"BytesWrittenUnchanged",
                 {{1, "\"x\xE9\""}, {5, "12a"}},
                 "(monster (name \"x\xE9\") (index ) (country ) (race ) (level 12a) (quest ))"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SaveCase {
    const char* name;
    std::string read;
    std::string written;
};

class InitMonsterSaveTest : public ::testing::TestWithParam<SaveCase> {};

// A record read and saved without edits: everything the server reads is
// written back, in the line layout.
TEST_P(InitMonsterSaveTest, KeepsEveryGroupTheServerReads) {
    MonsterTable table;
    ParseInitMonster(GetParam().read, table);
    EXPECT_EQ(InitMonsterLine(RecordAt(table, 0)), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitMonsterSaveTest,
    ::testing::Values(
        SaveCase{"ThirdItemGroupAndUnknownGroup",
                 "(monster (name 8) (index 8) (country 0 1 2) (race 0) (level 9) (itemgroup 103 2) "
                 "(itemgroup 2000 1) "
                 "(itemgroup 3000 1) (regen 1 2))",
                 "(monster (name 8) (index 8) (country 0 1 2) (race 0) (level 9) (itemgroup 103 2) "
                 "(itemgroup 2000 1) "
                 "(itemgroup 3000 1) (quest ) (regen 1 2))"},
        SaveCase{"LineLongerThanAnyBuffer",
                 "(monster (name 8) (index 8) (country 0) (race 0) (level 9) (regen " +
                     std::string(5000, '7') + "))",
                 "(monster (name 8) (index 8) (country 0) (race 0) (level 9) (quest ) (regen " +
                     std::string(5000, '7') + "))"},
        SaveCase{"ItemGroupsOfZeroDroppedKeptOneTakesTheirPlace",
                 "(monster (name 3) (index 3) (itemgroup 0 0) (itemgroup 0 4) (itemgroup 5 0))",
                 "(monster (name 3) (index 3) (country ) (race ) (level ) (itemgroup 5 0) (quest ))"},
        SaveCase{
            "SurplusValuesInsideTheirGroup",
            "(monster (name 1) (index 1) (country 0 1 2 3) (defense 155 124 24) (absorb 24))",
            "(monster (name 1) (index 1) (country 0 1 2 3) (race ) (level ) (defense 155 124 24) (absorb 24) "
            "(quest ))"},
        SaveCase{"KeyOutOfOrderAndDoubledBlanks",
                 "(monster (name 1) (index 1) (race 10) (ai 2) (level 99) (magic  0))",
                 "(monster (name 1) (index 1) (country ) (race 10) (level 99) (ai 2) (magic 0 ) (quest ))"},
        SaveCase{
            "KeptGroupsFollowTheirKeysPiece",
            "(monster (name 1) (index 1) (dodge 5) (dodge 6) (skill 1)(skill 2) (quest 1) (quest 2) (hp 9) "
            "(hp 8) (  Boss\t1 ))",
            "(monster (name 1) (index 1) (country ) (race ) (level ) (hp 9) (hp 8) (dodge 5)(dodge 6)(skill "
            "1)(skill 2)(quest 1) (quest 2) (Boss 1))"},
        SaveCase{"KeptGroupStandsWhereItsEmptyPieceWould",
                 "(monster (name 1) (index 1) (exp) (exp 40) (str 3))",
                 "(monster (name 1) (index 1) (country ) (race ) (level ) (exp 40) (str 3) (quest ))"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Written(const MonsterTable& table) {
    return JoinedLines(InitMonsterLines(table));
}

// Tables of the shapes the writer can carry: values without spaces or
// parentheses, multi-value groups filled from their first slot, raw texts
// that start with a space.
class TableGenerator {
  public:
    explicit TableGenerator(unsigned seed) : random_(seed) {}

    std::unique_ptr<MonsterTable> table(std::size_t count) {
        auto table = std::make_unique<MonsterTable>();
        for (std::size_t position = 0; position < count; ++position) {
            MonsterRecord& record = RecordAt((*table), position);
            record.fields[0] = chance(4) ? "1" : "0";
            record.fields[1] = value(false);
            for (std::size_t slot : {2, 4, 5}) {
                record.fields[slot] = chance(5) ? "" : value(true);
            }
            fill(record, 40, 1 + pick(3), chance(3) ? 0 : 1 + pick(3));
            for (auto [first, size] : {std::pair{6, 1}, {7, 1},  {8, 2},  {10, 1}, {13, 1}, {14, 1}, {15, 1},
                                       {16, 1},         {17, 1}, {18, 1}, {19, 1}, {20, 1}, {21, 1}, {22, 1},
                                       {23, 3},         {26, 2}, {28, 2}, {30, 1}, {31, 2}, {33, 5}}) {
                fill(record, first, size, chance(3) ? 0 : 1 + pick(size));
            }
            if (!chance(3)) {
                fill(record, 11, 2, 1 + pick(2));
                if (!chance(2)) {
                    fill(record, 38, 2, 1 + pick(2));
                }
            }
            record.fields[50] = chance(3) ? " " : raw();
            record.fields[49] = chance(2) ? "" : raw();
        }
        return table;
    }

  private:
    bool chance(int oneIn) { return pick(oneIn) == 0; }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    // A non-empty value; item groups must not start with "0", which the writer leaves out.
    std::string value(bool any) {
        static const std::string bytes = "AKQWZjz0123456789-+\"'.,_#\xE9\xFC";
        std::string text(1, "123456789"[pick(9)]);
        if (any) {
            text[0] = bytes[pick(bytes.size())];
        }
        for (std::size_t i = pick(20); i > 0; --i) {
            text += bytes[pick(bytes.size())];
        }
        return text;
    }

    // The first `filled` slots of a group hold values, the rest stay empty.
    void fill(MonsterRecord& record, std::size_t first, std::size_t size, std::size_t filled) {
        for (std::size_t i = 0; i < size && i < filled; ++i) {
            record.fields[first + i] = value(first != 11 && first != 38);
        }
    }

    std::string raw() {
        std::string text;
        for (std::size_t i = 1 + pick(3); i > 0; --i) {
            text += " (" + value(true) + " " + value(true) + ")";
        }
        return chance(2) ? text : " " + value(true) + text;
    }

    std::mt19937 random_;
};

TEST(InitMonsterRoundTrip, GeneratedTablesReadBackSlotForSlot) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        TableGenerator generator(seed);
        // Seeds 1 and 2 make tables of a large server's size.
        const auto written = generator.table(seed <= 2 ? 920 : 1 + seed * 12);
        const std::string text = "; generated table\r\n" + Written(*written);
        auto read = std::make_unique<MonsterTable>();
        const InitMonsterLoad load = ParseInitMonster(text, *read);
        ASSERT_EQ(load.stored, written->LastMonsterIndex() + 1) << "seed " << seed;
        for (std::size_t position = 0; position < written->size(); ++position) {
            for (std::size_t slot = 0; slot < MonsterTable::kSlots; ++slot) {
                ASSERT_EQ(RecordAt((*read), position).fields[slot],
                          RecordAt((*written), position).fields[slot])
                    << "seed " << seed << " position " << position << " slot " << slot;
            }
        }
    }
}

TEST(InitMonsterRoundTrip, SampleFileIsAFixedPointAfterOneSave) {
    const std::string sample = ReadWholeFile(BRENNICK_TEST_DATA "/../../examples/InitMonster.txt");
    auto first = std::make_unique<MonsterTable>();
    EXPECT_EQ(ParseInitMonster(sample, *first).stored, 42u);
    const std::string saved = Written(*first);
    auto second = std::make_unique<MonsterTable>();
    ParseInitMonster(saved, *second);
    EXPECT_EQ(Written(*second), saved);
}
} // namespace
