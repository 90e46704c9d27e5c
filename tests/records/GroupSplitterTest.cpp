#include "records/GroupSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Found {
    std::string text;
    bool commented;
    bool operator==(const Found&) const = default;
};

std::vector<Found> split(std::string_view bytes, std::string_view keyword = "monster") {
    std::vector<Found> found;
    SplitRecords(bytes, keyword,
                 [&](const RecordGroup& group) { found.push_back({std::string(group.text), group.commented}); });
    return found;
}

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<Found> expected;
};

class GroupSplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(GroupSplitterTest, FindsTheRecords) { EXPECT_EQ(split(GetParam().bytes), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupSplitterTest,
    ::testing::Values(
        SplitCase{"Plain", "(monster (name 3))", {{"(monster (name 3)", false}}},
        SplitCase{"SemicolonDirectlyBefore", ";(monster (name 3))", {{"(monster (name 3)", true}}},
        SplitCase{"SemicolonWithSpace", "; (monster (name 3))", {{"(monster (name 3)", false}}},
        SplitCase{"CommentNoteIsNoRecord",
                  "; (a note that is longer than twenty characters)\r\n(monster (name 1))",
                  {{"(monster (name 1)", false}}},
        SplitCase{"ShortRecordKept", "(monster)", {{"(monster", false}}},
        SplitCase{"LongerKeywordIsNoRecord", "(monstername 1 \"Rat\")(monsters 2)", {}},
        SplitCase{"MultiLine", "(monster\r\n  (name 1)\r\n  (index 1))\r\n",
                  {{"(monster\r\n  (name 1)\r\n  (index 1)", false}}},
        SplitCase{"UnclosedAtEndDropped", "(monster (name 1))(monster (name 2)", {{"(monster (name 1)", false}}},
        SplitCase{"NegativeDepthThenGroup", "))(monster (name 1))", {}},
        SplitCase{"TabAfterKeyword", "(monster\t(name 1))", {{"(monster\t(name 1)", false}}},
        SplitCase{"TwoRecordsOneLine", "(monster (name 1))(monster (name 2))",
                  {{"(monster (name 1)", false}, {"(monster (name 2)", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupSplitter, NamesKeywordTakesEveryLength) {
    // A names record of 19 characters is as much a record as a long one.
    const auto found = split("(monstername 1 \"Ra\")\n(monstername 2 \"Hill Goblin\")", "monstername");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].text, "(monstername 1 \"Ra\"");
}

TEST(GroupSplitter, FirstByteHasNoPredecessor) {
    const auto found = split("(monster (name 1))");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(found[0].commented);
}
} // namespace
