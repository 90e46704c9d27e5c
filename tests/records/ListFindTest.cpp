#include "records/ListFind.h"

#include <gtest/gtest.h>

namespace {
struct FindCase {
    const char* name;
    std::string typed;
    std::optional<std::size_t> current;
    FindStep step;
    std::optional<std::size_t> found;
};

class ListFindTest : public testing::TestWithParam<FindCase> {};

// Latin-1 texts and indexes as stored.
const std::vector<FindEntry> kEntries = {{"Giant Rat", "1"},
                                         {"Hill Goblin", "12"},
                                         {"Cave Spider", ""},
                                         {"Rat King \xC4rger", "120"},
                                         {"Toad", "7"}};

TEST_P(ListFindTest, ChoosesTheEntry) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindInList(kEntries, TextEncoding::Latin1, c.typed, c.current, c.step), c.found);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ListFindTest, testing::Values(
    FindCase{"ContainsInAnyCase", "rAT", 2, FindStep::First, 0},
    FindCase{"LettersBeyondAsciiInAnyCase", "\xC3\xA4rg", std::nullopt, FindStep::First, 3},
    FindCase{"IndexEqualsNotContains", "12", std::nullopt, FindStep::First, 1},
    FindCase{"NextAfterCurrent", "rat", 0, FindStep::Next, 3},
    FindCase{"NextWrapsToTheFirst", "rat", 3, FindStep::Next, 0},
    FindCase{"PreviousWrapsToTheLast", "rat", 0, FindStep::Previous, 3},
    FindCase{"PreviousWithoutCurrentFromTheLast", "i", std::nullopt, FindStep::Previous, 3},
    FindCase{"OnlyMatchFoundAgain", "spider", 2, FindStep::Next, 2},
    FindCase{"CurrentBeyondTheListIgnored", "goblin", 9, FindStep::Next, 1},
    FindCase{"NoMatch", "dragon", 1, FindStep::Next, std::nullopt},
    FindCase{"NothingTyped", "", 1, FindStep::First, std::nullopt}),
    [](const testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ListFindEncodingTest, Utf8EntriesFoldTheirLetters) {
    const std::vector<FindEntry> entries = {{"\xD0\x92\xD0\xBE\xD0\xBB\xD0\xBA", ""}}; // Cyrillic "Wolf"
    EXPECT_EQ(
        FindInList(entries, TextEncoding::Utf8, "\xD0\xB2\xD0\xBE\xD0\x9B", std::nullopt, FindStep::First),
        0u);
}
} // namespace
