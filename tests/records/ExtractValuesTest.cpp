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
    std::size_t slots;
    std::vector<std::string> expected;
    std::size_t next; // where the next key's search starts
};

class ExtractValuesTest : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractValuesTest, StoresValuesInConsecutiveSlots) {
    const ExtractCase& c = GetParam();
    std::vector<std::string> slots(c.slots);
    EXPECT_EQ(ExtractValues(c.text, c.key, slots, 0), c.next);
    EXPECT_EQ(slots, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractValuesTest,
    ::testing::Values(
        ExtractCase{"OneValue", "(monster (level 5)", "level", 2, {"5", ""}, 17},
        ExtractCase{"ThreeValues", "(monster (attack 1 20 30)", "attack", 3, {"1", "20", "30"}, 24},
        ExtractCase{"TwoSpacesAfterKey", "(monster (level  5)", "level", 2, {"", "5"}, 18},
        ExtractCase{"SpaceBeforeClose", "(monster (level 5 )", "level", 2, {"5", ""}, 18},
        ExtractCase{"ThreeSpacesSkipTwoSlots", "(x (k 1   2)", "k", 4, {"1", "", "2", ""}, 11},
        ExtractCase{"QuotesAndSignsKept", "(x (k \"a\" -3)", "k", 2, {"\"a\"", "-3"}, 12},
        ExtractCase{"MissingKey", "(monster (name 1)", "level", 1, {""}, 0},
        ExtractCase{"SurplusValuesDropped", "(x (k 1 2 3)", "k", 2, {"1", "2"}, 11},
        ExtractCase{"KeyInsideLongerWord", "(x (hint 7)", "int", 1, {"7"}, 10},
        ExtractCase{"NoSpaceAfterKeyStopsAtEnd", "(x (ai", "ai", 1, {""}, 6},
        ExtractCase{"NoSpaceRunsOnToCheckPoint", "(x (ai) (b 2)", "ai", 3, {")", "(b", "2"}, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractValues, SearchOnlyMovesForward) {
    const std::string text = "(monster (index 3) (name 4)";
    std::array<std::string, 2> slots;
    const std::size_t afterName = ExtractValues(text, "name", std::span(slots).subspan(0, 1), 0);
    ExtractValues(text, "index", std::span(slots).subspan(1, 1), afterName);
    EXPECT_EQ(slots[0], "4");
    EXPECT_EQ(slots[1], "");
}

struct RawCase {
    const char* name;
    std::string text;
    std::string expected;
};

class RawGroupTest : public ::testing::TestWithParam<RawCase> {};

TEST_P(RawGroupTest, KeepsTheGroupContents) {
    std::string slot;
    ReadRawGroup(GetParam().text, "quest", slot, 0);
    EXPECT_EQ(slot, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RawGroupTest,
                         ::testing::Values(RawCase{"Nested", "(m (quest (3 1) (4 1))", " (3 1) (4 1)"},
                                           RawCase{"SpaceOnly", "(m (quest )", " "},
                                           RawCase{"Empty", "(m (quest)", ""},
                                           RawCase{"Unclosed", "(m (quest (3 1", " (3 1"},
                                           RawCase{"Absent", "(m (skill 1)", ""}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
