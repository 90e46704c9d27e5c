#include "records/ExtractValues.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {
struct ExtractCase {
    const char* name;
    std::string text;
    std::string key;
    std::size_t fields;
    std::vector<std::string> expected;
    std::string surplus;
    std::size_t next; // where the next key's search starts
};

class ExtractValuesTest : public ::testing::TestWithParam<ExtractCase> {};

// What a record read again keeps: the untaken groups replace what it held.
std::vector<std::string> untaken(const RecordText& record) {
    std::vector<std::string> kept{"(held from an earlier read)"};
    record.KeepUntakenGroups(kept);
    return kept;
}

TEST_P(ExtractValuesTest, StoresTheWordsOfTheKeysGroup) {
    const ExtractCase& c = GetParam();
    RecordText record(c.text);
    std::vector<std::string> fields(c.fields);
    std::string surplus;
    EXPECT_EQ(ExtractValues(record, c.key, fields, surplus, 0), c.next);
    EXPECT_EQ(fields, c.expected);
    EXPECT_EQ(surplus, c.surplus);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractValuesTest,
    ::testing::Values(
        ExtractCase{"OneValue", "(monster (level 5)", "level", 2, {"5", ""}, "", 17},
        ExtractCase{"ThreeValues", "(monster (attack 1 20 30)", "attack", 3, {"1", "20", "30"}, "", 24},
        ExtractCase{"DoubledBlankAfterKey", "(monster (magic  0)", "magic", 2, {"0", ""}, "", 18},
        ExtractCase{"BlankBeforeClose", "(monster (level 5 )", "level", 2, {"5", ""}, "", 18},
        ExtractCase{"RunsOfBlanksSeparateOnce", "(x (k 1   2)", "k", 3, {"1", "2", ""}, "", 11},
        ExtractCase{"TabsAroundValue", "(x (index\t1045\t)", "index", 1, {"1045"}, "", 15},
        ExtractCase{"BlanksInsideParentheses",
                    "(x ( rect 4204 1667 4222 1686 )",
                    "rect",
                    4,
                    {"4204", "1667", "4222", "1686"},
                    "",
                    30},
        ExtractCase{"LineBreaksAreBlanks", "(x (k 1\r\n2)", "k", 2, {"1", "2"}, "", 10},
        ExtractCase{"QuotesAndSignsKept", "(x (k \"a\" -3)", "k", 2, {"\"a\"", "-3"}, "", 12},
        ExtractCase{"SurplusStaysWithItsGroup",
                    "(x (defense 155 124 24) (absorb 24)",
                    "defense",
                    2,
                    {"155", "124"},
                    " 24",
                    22},
        ExtractCase{"KeyWithoutValues", "(x (ai) (b 2)", "ai", 1, {""}, "", 6},
        ExtractCase{"MissingKey", "(monster (name 1)", "level", 1, {""}, "", 0},
        ExtractCase{"KeyMustBeTheGroupsWholeKey", "(x (hint 7) (maxgencount 5)", "int", 1, {""}, "", 0},
        ExtractCase{"KeyInsideNestedGroupIsNotAKey", "(x (quest (hp 3))", "hp", 1, {""}, "", 0},
        ExtractCase{
            "NestedGroupEndsTheValuesAtItsClose", "(x (k 1 (y 2) 3)", "k", 3, {"1", "(y", "2"}, "", 12},
        ExtractCase{
            "KeyAmongTwentyGroups",
            "(x (g0 0) (g1 1) (g2 2) (g3 3) (g4 4) (g5 5) (g6 6) (g7 7) (g8 8) (g9 9) (g10 10) (g11 11) "
            "(g12 12) (g13 13) (g14 14) (g15 15) (g16 16) (g17 17) (g18 18) (g19 19)",
            "g18",
            1,
            {"18"},
            "",
            152}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractValues, KeyOutOfOrderIsFoundAmongTheGroupsNoSearchTook) {
    // `(race 10) (ai 2) (level 99)` searched race, level, ai: the ai search
    // comes after level's group and finds ai among the earlier groups.
    const std::string text = "(monster (race 10) (ai 2) (level 99)";
    RecordText record(text);
    std::array<std::string, 3> fields;
    std::string surplus;
    std::size_t at = ExtractValues(record, "race", std::span(fields).subspan(0, 1), surplus, 0);
    at = ExtractValues(record, "level", std::span(fields).subspan(1, 1), surplus, at);
    const std::size_t afterAi = ExtractValues(record, "ai", std::span(fields).subspan(2, 1), surplus, at);
    EXPECT_EQ(fields, (std::array<std::string, 3>{"10", "99", "2"}));
    EXPECT_EQ(afterAi, at) << "a key found out of order leaves the next search where it was";
    EXPECT_TRUE(untaken(record).empty());
}

TEST(ExtractValues, RepeatedKeyTakesTheNextOccurrence) {
    const std::string text = "(m (itemgroup 1 1) (itemgroup 2 2) (itemgroup 3 3)";
    RecordText record(text);
    std::array<std::string, 4> fields;
    std::string surplus;
    const std::size_t first = ExtractValues(record, "itemgroup", std::span(fields).subspan(0, 2), surplus, 0);
    ExtractValues(record, "itemgroup", std::span(fields).subspan(2, 2), surplus, first);
    EXPECT_EQ(fields, (std::array<std::string, 4>{"1", "1", "2", "2"}));
    EXPECT_EQ(untaken(record), std::vector<std::string>{"(itemgroup 3 3)"});
}

TEST(ExtractValues, GotoValuesFollowTheRecordsKeyword) {
    const RecordText record("( goto\t1 2 3 4 5 6 (gate 3)");
    std::array<std::string, 5> fields;
    std::string surplus;
    ExtractKeywordValues(record, fields, surplus);
    EXPECT_EQ(fields, (std::array<std::string, 5>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(surplus, " 6");
    EXPECT_EQ(untaken(record), std::vector<std::string>{"(gate 3)"});
}

struct RawCase {
    const char* name;
    std::string text;
    std::string expected;
};

class RawGroupTest : public ::testing::TestWithParam<RawCase> {};

TEST_P(RawGroupTest, KeepsTheGroupContents) {
    RecordText record(GetParam().text);
    std::string field;
    ReadRawGroup(record, "quest", field, 0);
    EXPECT_EQ(field, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RawGroupTest,
                         ::testing::Values(RawCase{"Nested", "(m (quest (3 1) (4 1))", " (3 1) (4 1)"},
                                           RawCase{"SpaceOnly", "(m (quest )", " "},
                                           RawCase{"Empty", "(m (quest)", ""},
                                           RawCase{"Unclosed", "(m (quest (3 1", " (3 1"},
                                           RawCase{"Absent", "(m (skill 1)", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TidyCase {
    const char* name;
    std::string group;
    std::string tidy;
};

class TidyGroupTest : public ::testing::TestWithParam<TidyCase> {};

TEST_P(TidyGroupTest, FoldsBlanksOutsideQuotes) {
    EXPECT_EQ(TidyGroup(GetParam().group), GetParam().tidy);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TidyGroupTest,
    ::testing::Values(TidyCase{"TabsAndPadding", "( removegen\t2 )", "(removegen 2)"},
                      TidyCase{"RunsAndLineBreaks", "(xy  358018\r\n   188915)", "(xy 358018 188915)"},
                      TidyCase{"Nested", "(a ( b  1 ) (c))", "(a (b 1) (c))"},
                      TidyCase{"QuotedBlanksKept", "(say \"  two  spaces \" )", "(say \"  two  spaces \")"},
                      TidyCase{"AlreadyTidy", "(rect 1 2 3 4)", "(rect 1 2 3 4)"}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
