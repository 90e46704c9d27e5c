#include "monsters/MonsterNamesReader.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
struct NamesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> names;   // MonsterNameFor(1), (2), ...
    std::vector<std::string> numbers; // the number field of the same entries, when checked
};

class MonsterNamesTest : public ::testing::TestWithParam<NamesCase> {};

TEST_P(MonsterNamesTest, KthRecordNamesNumberK) {
    const NamesCase& c = GetParam();
    auto table = std::make_unique<MonsterNameTable>();
    const MonsterNamesLoad load = ParseMonsterNames(c.bytes, *table);
    EXPECT_EQ(load.stored, c.names.size());
    for (std::size_t k = 1; k <= c.names.size(); ++k) {
        EXPECT_EQ(table->MonsterNameFor(static_cast<long long>(k)), c.names[k - 1]) << "name " << k;
        if (!c.numbers.empty()) {
            EXPECT_EQ(RecordAt((*table), k - 1).number, c.numbers[k - 1]) << "number " << k;
        }
    }
    EXPECT_EQ(table->MonsterNameFor(static_cast<long long>(c.names.size()) + 1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonsterNamesTest,
    ::testing::Values(
        NamesCase{"InFileOrder",
                  "(monstername 1 \"Giant Rat\")\r\n(monstername 2 \"Hill Goblin\")\r\n(monstername 3 \"Cave "
                  "Spider\")",
                  {"Giant Rat", "Hill Goblin", "Cave Spider"},
                  {"1", "2", "3"}},
        NamesCase{
            "NumberInTheRecordIsNotUsed",
            "(monstername 3 \"Cave Spider\")(monstername 1 \"Giant Rat\")(monstername 2 \"Hill Goblin\")",
            {"Cave Spider", "Giant Rat", "Hill Goblin"},
            {"3", "1", "2"}},
        NamesCase{
            "ShortRecordsKeepTheirPlace",
            "(monstername 1 \"Ra\")\r\n(monstername 2 \"Imp\")\r\n(monstername 12 \"Ox\")\r\n(monstername 4 "
            "\"Bat\")",
            {"Ra", "Imp", "Ox", "Bat"},
            {"1", "2", "12", "4"}},
        NamesCase{"NameWithoutQuotesIsEmpty",
                  "(monstername 1 Goblin)(monstername 2 \"\")(monstername 3 \"Imp\")",
                  {"", "", "Imp"},
                  {}},
        NamesCase{"SpacesAndAccentsKept", "(monstername 1 \"  Gr\xE9 Wolf \")", {"  Gr\xE9 Wolf "}, {"1"}},
        NamesCase{
            "SemicolonAndCommentsIgnored",
            // The names file has no comment syntax: a record after a ";" keeps its place.
            "; names (first batch of the season)\r\n; old (monstername 1 \"Rat\")\r\n(monstername 2 \"Imp\")",
            {"Rat", "Imp"},
            {"1", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonsterNameFor, EveryNameOfTheFileIsLookedUpAndOutsideItIsEmpty) {
    auto table = std::make_unique<MonsterNameTable>();
    std::string bytes;
    for (int n = 1; n <= 403; ++n) {
        bytes += "(monstername " + std::to_string(n) + " \"N" + std::to_string(n) + "\")\n";
    }
    const MonsterNamesLoad load = ParseMonsterNames(bytes, *table);
    EXPECT_EQ(load.stored, 403u);
    EXPECT_EQ(table->MonsterNameFor(403), "N403");
    for (long long k : {-1LL, 0LL, 404LL, 1LL << 40}) {
        EXPECT_EQ(table->MonsterNameFor(k), "") << k;
    }
}

TEST(ParseMonsterNames, EmptiesTheTableFirst) {
    auto table = std::make_unique<MonsterNameTable>();
    ParseMonsterNames("(monstername 1 \"A\")(monstername 2 \"B\")", *table);
    ParseMonsterNames("(monstername 1 \"C\")", *table);
    EXPECT_EQ(table->MonsterNameFor(1), "C");
    EXPECT_EQ(table->MonsterNameFor(2), "");
    EXPECT_TRUE(table->hasNames());
    ParseMonsterNames("", *table);
    EXPECT_FALSE(table->hasNames());
}
} // namespace
