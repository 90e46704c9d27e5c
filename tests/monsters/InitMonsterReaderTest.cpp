#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterSlots.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {
using Slot = MonsterSlot;

using Slots = std::map<std::size_t, std::string>;

// Every slot of the record: the listed ones hold their text, all others are empty.
void ExpectSlots(const MonsterRecord& record, const Slots& expected) {
    for (std::size_t slot = 0; slot < MonsterTable::kSlots; ++slot) {
        const auto found = expected.find(slot);
        EXPECT_EQ(record.fields[slot], found == expected.end() ? "" : found->second) << "slot " << slot;
    }
}

struct RecordCase {
    const char* name;
    std::string bytes;
    Slots first; // the record at position 0
    RecordExtras extras = {};
};

class InitMonsterRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(InitMonsterRecordTest, StoresEachKeyInItsSlots) {
    auto table = std::make_unique<MonsterTable>();
    const InitMonsterLoad load = ParseInitMonster(GetParam().bytes, *table);
    EXPECT_EQ(load.stored, 1u);
    ExpectSlots(RecordAt((*table), 0), GetParam().first);
    EXPECT_EQ(RecordAt((*table), 0).extras, GetParam().extras);
    // A file's records are read in one pass where they can be; the key search reads the same.
    const RecordSpan& span = *table->SpanOf(0);
    EXPECT_EQ(RecordAt((*table), 0), ParseMonsterRecord(span.RecordText(GetParam().bytes), span.Commented()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitMonsterRecordTest,
    ::testing::Values(
        RecordCase{"Commented",
                   ";(monster (name 3) (index 3) (race 0) (level 1))",
                   {{0, "1"}, {1, "3"}, {2, "3"}, {4, "0"}, {5, "1"}}},
        RecordCase{"BlanksAfterSemicolonCommentedToo",
                   "; \t(monster (name 3) (index 3) (race 0) (level 1))",
                   {{0, "1"}, {1, "3"}, {2, "3"}, {4, "0"}, {5, "1"}}},
        RecordCase{"AttackAndSpaceOnlyQuest",
                   "(monster (name 3) (index 3) (attack 1 20 30) (quest ))",
                   {{0, "0"}, {1, "3"}, {2, "3"}, {23, "1"}, {24, "20"}, {25, "30"}, {50, " "}}},
        RecordCase{"DoubledBlankAfterKey", "(monster (name 1) (level  5))", {{0, "0"}, {1, "1"}, {5, "5"}}},
        RecordCase{"TabsAndBlanksInsideParentheses",
                   "(monster ( name\t7\t) (sight  4\t\t9 ))",
                   {{0, "0"}, {1, "7"}, {8, "4"}, {9, "9"}}},
        RecordCase{
            "SpaceBeforeCloseStoresNothing", "(monster (name 1) (level 5 ))", {{0, "0"}, {1, "1"}, {5, "5"}}},
        RecordCase{"IndexBeforeNameIsFoundAmongTheEarlierGroups",
                   "(monster (index 4) (name 3))",
                   {{0, "0"}, {1, "3"}, {2, "4"}}},
        RecordCase{"KeyOutOfOrder",
                   "(monster (name 1) (race 10) (ai 2) (level 99))",
                   {{0, "0"}, {1, "1"}, {4, "10"}, {5, "99"}, {6, "2"}}},
        RecordCase{"KeyDirectlyClosedGivesNoValue",
                   "(monster (name 1) (ai) (range 3))",
                   {{0, "0"}, {1, "1"}, {7, "3"}}},
        RecordCase{"OneItemGroup",
                   "(monster (name 1) (itemgroup 3 10) (str 5))",
                   {{0, "0"}, {1, "1"}, {11, "3"}, {12, "10"}, {13, "5"}}},
        RecordCase{"TwoItemGroups",
                   "(monster (name 1) (itemgroup 3 10) (itemgroup 7 2))",
                   {{0, "0"}, {1, "1"}, {11, "3"}, {12, "10"}, {38, "7"}, {39, "2"}}},
        RecordCase{
            "QuestBeforeResistIsFoundToo",
            "(monster (name 1) (quest (3 1)) (resist 1 2 3 4 5))",
            {{0, "0"}, {1, "1"}, {33, "1"}, {34, "2"}, {35, "3"}, {36, "4"}, {37, "5"}, {50, " (3 1)"}}},
        RecordCase{"SkillAndQuestBothSearchedFromResist",
                   "(monster (name 1) (resist 1 2 3 4 5) (quest (3 1) (4 1)) (skill 7 1))",
                   {{0, "0"},
                    {1, "1"},
                    {33, "1"},
                    {34, "2"},
                    {35, "3"},
                    {36, "4"},
                    {37, "5"},
                    {49, " 7 1"},
                    {50, " (3 1) (4 1)"}}},
        RecordCase{"QuestTwiceTakesTheOneAfterResist",
                   "(monster (name 1) (quest 1) (resist 1 2 3 4 5) (quest 2))",
                   {{0, "0"}, {1, "1"}, {33, "1"}, {34, "2"}, {35, "3"}, {36, "4"}, {37, "5"}, {50, " 2"}},
                   {{}, {"(quest 1)"}}},
        RecordCase{"GroupInsideAValueGroupEndsItsValuesAtTheFirstClose",
                   "(monster (name 1 (x) 2) (index 2))",
                   {{0, "0"}, {1, "1"}, {2, "2"}},
                   {{{SlotNumber(Slot::Name), " (x"}}, {}}},
        RecordCase{"KeptGroupOfAKeyLeftOutIsTakenForIt",
                   "(monster (name 1) (level 5) (regen 1) (race 2) (race 3))",
                   {{0, "0"}, {1, "1"}, {4, "2"}, {5, "5"}},
                   {{}, {"(regen 1)", "(race 3)"}}},
        RecordCase{
            "RecordOverSeveralLines",
            "(monster (name 2)\r\n\t(index 2) (country 1 2 3)\r\n\t(exp -40) (hp \"9\"))\r\n",
            {{0, "0"}, {1, "2"}, {2, "2"}, {40, "1"}, {41, "2"}, {42, "3"}, {10, "-40"}, {18, "\"9\""}}},
        RecordCase{
            "SurplusValuesStayWithTheirGroup",
            "(monster (name 1) (defense 155 124 24) (absorb 24) (country 0 1 2 3))",
            {{0, "0"}, {1, "1"}, {28, "155"}, {29, "124"}, {30, "24"}, {40, "0"}, {41, "1"}, {42, "2"}},
            {{{SlotNumber(Slot::Country), " 3"}, {SlotNumber(Slot::PhysicalDefense), " 24"}}, {}}},
        RecordCase{
            "GroupsNoSearchTookAreKept",
            "(monster (name 8) (itemgroup 103 2) (regen\t1  2) (itemgroup 2000 1) (itemgroup 3000 1) (ai 1) "
            "(ai 2))",
            {{0, "0"}, {1, "8"}, {6, "1"}, {11, "103"}, {12, "2"}, {38, "2000"}, {39, "1"}},
            {{}, {"(regen 1 2)", "(itemgroup 3000 1)", "(ai 2)"}}},
        RecordCase{"ShortRecordIsARecord", "(monster (name 1))", {{0, "0"}, {1, "1"}}},
        RecordCase{"OtherGroupsAreSkipped",
                   "; (a note in a comment, longer than twenty characters)\r\n(monsters (name 9) (index 9))"
                   "(monstername 1 \"Rat\")(x)(monster\t(name 4))",
                   {{0, "0"}, {1, "4"}}}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Records(std::size_t count) {
    std::string bytes;
    for (std::size_t n = 1; n <= count; ++n) {
        bytes += "(monster (name " + std::to_string(n) + ") (index " + std::to_string(n) + "))\r\n";
    }
    return bytes;
}

TEST(ParseInitMonster, StoresEveryRecordOfTheFile) {
    auto table = std::make_unique<MonsterTable>();
    const InitMonsterLoad load = ParseInitMonster(Records(920), *table);
    EXPECT_EQ(load.stored, 920u);
    EXPECT_TRUE(load.notes.empty());
    EXPECT_EQ(RecordAt((*table), 919)[Slot::Name], "920");
    EXPECT_EQ(table->LastMonsterIndex(), 919u);
}

TEST(ParseInitMonster, NotesAnOpenGroupAndEveryNamelessRecordByNumberAndLine) {
    const std::string nameless = "(monster (index 4) (nameb6))\r\n";
    auto table = std::make_unique<MonsterTable>();
    const std::string bytes =
        Records(3) + nameless + Records(2) + "; stray ) here\r\n(monster (name 9)\r\n" + Records(1);
    EXPECT_EQ(ParseInitMonster(bytes, *table).notes,
              (LoadNotes{"the group opened on line 8 is never closed; nothing after it was read.",
                         "monster 4 (line 4) has no name."}));
    EXPECT_EQ(table->LastMonsterIndex(), 5u);
    std::string eight = Records(1);
    for (int i = 0; i < 7; ++i) {
        eight += ";" + nameless;
    }
    EXPECT_EQ(ParseInitMonster(eight, *table).notes,
              LoadNotes{"monsters 2 (line 2), 3 (line 3), 4 (line 4), 5 (line 5), 6 (line 6) and 2 more have "
                        "no name."});
}

TEST(ParseInitMonster, EmptiesTheTableAndDropsAnUnfinishedRecord) {
    auto table = std::make_unique<MonsterTable>();
    ParseInitMonster(Records(12), *table);
    EXPECT_EQ(table->LastMonsterIndex(), 11u);
    const InitMonsterLoad load = ParseInitMonster(Records(2) + "(monster (name 3) (index 3)", *table);
    EXPECT_EQ(load.stored, 2u);
    EXPECT_EQ(table->LastMonsterIndex(), 1u);
    EXPECT_EQ(table->size(), 2u);
    EXPECT_EQ(std::as_const(*table)[11], MonsterRecord{});
}

TEST(LastMonsterIndex, CoversEveryRecordWithOrWithoutAName) {
    auto table = std::make_unique<MonsterTable>();
    EXPECT_EQ(table->LastMonsterIndex(), 0u);
    ParseInitMonster("(monster (index 1))(monster (name 2))(monster (index 3))(monster (name 4))", *table);
    EXPECT_EQ(table->LastMonsterIndex(), 3u);
}
} // namespace
