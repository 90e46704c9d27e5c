#include "records/GroupSplitter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {
struct Found {
    std::string text;
    bool commented;
    bool operator==(const Found&) const = default;
};

struct Split {
    std::vector<Found> records;
    std::optional<std::size_t> openGroupLine;
};

Split split(std::string_view bytes, std::string_view keyword = "monster") {
    Split result;
    result.openGroupLine =
        SplitRecords(bytes, keyword, [&](const RecordOpening& record) {
            const std::size_t close = ClosingParenthesis(bytes, record.open);
            if (close != std::string_view::npos) {
                result.records.push_back(
                    {std::string(bytes.substr(record.open, close - record.open)), record.commented});
            }
            return close;
        }).openGroupLine;
    return result;
}

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<Found> expected;
    std::optional<std::size_t> openGroupLine;
};

class GroupSplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(GroupSplitterTest, FindsTheRecords) {
    const Split found = split(GetParam().bytes);
    EXPECT_EQ(found.records, GetParam().expected);
    EXPECT_EQ(found.openGroupLine, GetParam().openGroupLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupSplitterTest,
    ::testing::Values(
        SplitCase{"Plain", "(monster (name 3))", {{"(monster (name 3)", false}}, {}},
        SplitCase{"SemicolonDirectlyBefore", ";(monster (name 3))", {{"(monster (name 3)", true}}, {}},
        SplitCase{"SemicolonWithBlanks", "; \t(monster (name 3))", {{"(monster (name 3)", true}}, {}},
        SplitCase{"ParenthesesOfCommentTextOpenNothing",
                  "; orcs (lv 10-20\r\n(monster (name 1))\n;(lv 5\n; end)\r\n;x (monster (name 9))\n(monster "
                  "(name 2))",
                  {{"(monster (name 1)", false}, {"(monster (name 2)", false}},
                  {}},
        SplitCase{"CommentNoteIsNoRecord",
                  "; (a note that is longer than twenty characters)\r\n(monster (name 1))",
                  {{"(monster (name 1)", false}},
                  {}},
        SplitCase{"ShortRecordKept", "(monster)", {{"(monster", false}}, {}},
        SplitCase{"LongerKeywordIsNoRecord", "(monstername 1 \"Rat\")(monsters 2)", {}, {}},
        SplitCase{"BlanksBeforeKeyword",
                  "( monster (name 1))(\t\r\nmonster (name 2))",
                  {{"( monster (name 1)", false}, {"(\t\r\nmonster (name 2)", false}},
                  {}},
        SplitCase{"MultiLine",
                  "(monster\r\n  (name 1)\r\n  (index 1))\r\n",
                  {{"(monster\r\n  (name 1)\r\n  (index 1)", false}},
                  {}},
        SplitCase{"StrayCloseClosesNothing",
                  "; a stray ) in a comment\r\n(monster (name 1))\r\n(monster (name 2))",
                  {{"(monster (name 1)", false}, {"(monster (name 2)", false}},
                  {}},
        SplitCase{"UnclosedGroupReportedWithItsLine",
                  "(monster (name 1))\r\n\r\n(monster (name 2)\r\n(monster (name 3))",
                  {{"(monster (name 1)", false}},
                  3},
        SplitCase{"LoneLineEndsCountToo", "\n\r(monster (name 1)", {}, 3},
        SplitCase{"TabAfterKeyword", "(monster\t(name 1))", {{"(monster\t(name 1)", false}}, {}},
        SplitCase{"TwoRecordsOneLine",
                  "(monster (name 1))(monster (name 2))",
                  {{"(monster (name 1)", false}, {"(monster (name 2)", false}},
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupSplitter, NamesKeywordTakesEveryLength) {
    // A names record of 19 characters is as much a record as a long one.
    const auto found =
        split("(monstername 1 \"Ra\")\n(monstername 2 \"Hill Goblin\")", "monstername").records;
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].text, "(monstername 1 \"Ra\"");
}
} // namespace
