#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterSlots.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {
namespace Slot = MonsterSlot;

using Slots = std::map<std::size_t, std::string>;

// Every slot of the record: the listed ones hold their text, all others are empty.
void ExpectSlots(const MonsterRecord& record, const Slots& expected) {
    for (std::size_t slot = 0; slot < MonsterTable::kSlots; ++slot) {
        const auto found = expected.find(slot);
        EXPECT_EQ(record[slot], found == expected.end() ? "" : found->second) << "slot " << slot;
    }
}

struct RecordCase {
    const char* name;
    std::string bytes;
    Slots first; // the record at position 0
};

class InitMonsterRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(InitMonsterRecordTest, StoresEachKeyInItsSlots) {
    auto table = std::make_unique<MonsterTable>();
    const InitMonsterLoad load = ParseInitMonster(GetParam().bytes, *table);
    EXPECT_EQ(load.stored, 1u);
    ExpectSlots((*table)[0], GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitMonsterRecordTest,
    ::testing::Values(
        RecordCase{"Commented",
                   ";(monster (name 3) (index 3) (race 0) (level 1))",
                   {{0, "1"}, {1, "3"}, {2, "3"}, {4, "0"}, {5, "1"}}},
        RecordCase{"SpaceAfterSemicolonIsNotCommented",
                   "; (monster (name 3) (index 3) (race 0) (level 1))",
                   {{0, "0"}, {1, "3"}, {2, "3"}, {4, "0"}, {5, "1"}}},
        RecordCase{"AttackAndSpaceOnlyQuest",
                   "(monster (name 3) (index 3) (attack 1 20 30) (quest ))",
                   {{0, "0"}, {1, "3"}, {2, "3"}, {23, "1"}, {24, "20"}, {25, "30"}, {50, " "}}},
        RecordCase{"TwoSpacesAfterKeyMoveToTheNextSlot",
                   "(monster (name 1) (level  5))",
                   {{0, "0"}, {1, "1"}, {6, "5"}}},
        RecordCase{
            "SpaceBeforeCloseStoresNothing", "(monster (name 1) (level 5 ))", {{0, "0"}, {1, "1"}, {5, "5"}}},
        RecordCase{"IndexBeforeNameIsNotFound", "(monster (index 4) (name 3))", {{0, "0"}, {1, "3"}}},
        RecordCase{"OneItemGroup",
                   "(monster (name 1) (itemgroup 3 10) (str 5))",
                   {{0, "0"}, {1, "1"}, {11, "3"}, {12, "10"}, {13, "5"}}},
        RecordCase{"TwoItemGroups",
                   "(monster (name 1) (itemgroup 3 10) (itemgroup 7 2))",
                   {{0, "0"}, {1, "1"}, {11, "3"}, {12, "10"}, {38, "7"}, {39, "2"}}},
        RecordCase{"QuestBeforeResistIsNotFound",
                   "(monster (name 1) (quest (3 1)) (resist 1 2 3 4 5))",
                   {{0, "0"}, {1, "1"}, {33, "1"}, {34, "2"}, {35, "3"}, {36, "4"}, {37, "5"}}},
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
        RecordCase{
            "RecordOverSeveralLines",
            "(monster (name 2)\r\n\t(index 2) (country 1 2 3)\r\n\t(exp -40) (hp \"9\"))\r\n",
            {{0, "0"}, {1, "2"}, {2, "2"}, {40, "1"}, {41, "2"}, {42, "3"}, {10, "-40"}, {18, "\"9\""}}},
        RecordCase{"SurplusValuesRunIntoTheFollowingSlots",
                   "(monster (name 1) (resist 1 2 3 4 5 6))",
                   {{0, "0"}, {1, "1"}, {33, "1"}, {34, "2"}, {35, "3"}, {36, "4"}, {37, "5"}, {38, "6"}}},
        RecordCase{"ValuesStopAtTheRecordsLastSlot",
                   "(monster (country 1 2 3 4 5 6 7 8 9 10 11 12 13))",
                   {{0, "0"},
                    {40, "1"},
                    {41, "2"},
                    {42, "3"},
                    {43, "4"},
                    {44, "5"},
                    {45, "6"},
                    {46, "7"},
                    {47, "8"},
                    {48, "9"},
                    {49, "10"},
                    {50, "11"}}},
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

TEST(ParseInitMonster, StoresAtMostTheTablesCapacityAndCountsTheRest) {
    auto table = std::make_unique<MonsterTable>();
    const InitMonsterLoad load = ParseInitMonster(Records(503), *table);
    EXPECT_EQ(load.stored, 501u);
    EXPECT_EQ(load.leftOut, 2u);
    EXPECT_EQ((*table)[500][Slot::Name], "501");
    EXPECT_EQ(table->LastMonsterIndex(), 500u);
}

TEST(ParseInitMonster, EmptiesTheTableAndDropsAnUnfinishedRecord) {
    auto table = std::make_unique<MonsterTable>();
    ParseInitMonster(Records(12), *table);
    EXPECT_EQ(table->LastMonsterIndex(), 11u);
    const InitMonsterLoad load = ParseInitMonster(Records(2) + "(monster (name 3) (index 3)", *table);
    EXPECT_EQ(load.stored, 2u);
    EXPECT_EQ(table->LastMonsterIndex(), 1u);
    EXPECT_EQ((*table)[2], MonsterRecord{});
    EXPECT_EQ((*table)[11], MonsterRecord{});
}

TEST(LastMonsterIndex, EndsBeforeTheFirstRecordWithoutAName) {
    auto table = std::make_unique<MonsterTable>();
    EXPECT_EQ(table->LastMonsterIndex(), 0u);
    ParseInitMonster("(monster (index 1))(monster (name 2))(monster (index 3))(monster (name 4))", *table);
    EXPECT_EQ(table->LastMonsterIndex(), 1u);
}
} // namespace
