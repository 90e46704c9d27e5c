#include "monsters/ExperienceChange.h"
#include "monsters/MonsterSlots.h"
#include "records/Errors.h"
#include "records/TableEditor.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
using Exps = std::vector<std::string>;

// Records named 1, 2, ... with these `exp` slots, but for the last one, which
// has no name: it changes like every other record.
std::unique_ptr<MonsterTable> TableOf(const Exps& exps) {
    auto table = std::make_unique<MonsterTable>();
    for (std::size_t i = 0; i < exps.size(); ++i) {
        RecordAt((*table), i)[MonsterSlot::Name] = i + 1 < exps.size() ? std::to_string(i + 1) : "";
        RecordAt((*table), i)[MonsterSlot::Exp] = exps[i];
    }
    return table;
}

void Apply(MonsterTable& table, const TableChange<MonsterRecord>& change) {
    TableEditor<MonsterRecord>(table).Apply(change);
}

Exps ExpsOf(const MonsterTable& table, std::size_t count) {
    Exps exps;
    for (std::size_t i = 0; i < count; ++i) {
        exps.push_back(table[i][MonsterSlot::Exp]);
    }
    return exps;
}

struct ChangeCase {
    const char* name;
    ExpOperation operation;
    std::int32_t amount;
    Exps before;
    Exps after;
};

class ExpChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ExpChangeTest, ChangesEveryNonEmptyExp) {
    const ChangeCase& c = GetParam();
    auto table = TableOf(c.before);
    Apply(*table, ComputeExpChange(*table, c.operation, c.amount));
    EXPECT_EQ(ExpsOf(*table, c.before.size()), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpChangeTest,
    ::testing::Values(
        ChangeCase{
            "Add", ExpOperation::Add, 5, {"05", "", "-10", "2147483642"}, {"10", "", "-5", "2147483647"}},
        ChangeCase{"SubtractKeepsWhatWouldNotStayAbove0",
                   ExpOperation::Subtract,
                   100,
                   {"50", "100", "150"},
                   {"50", "100", "50"}},
        ChangeCase{"SubtractNegative", ExpOperation::Subtract, -3, {"-3", "-4"}, {"-3", "-4"}},
        ChangeCase{
            "MultiplyHasNoLowerBound", ExpOperation::Multiply, -2, {"3", "-4", "+0"}, {"-6", "8", "0"}},
        ChangeCase{"MultiplyByZero", ExpOperation::Multiply, 0, {"3", "", "9"}, {"0", "", "0"}},
        ChangeCase{"DivideTruncatesAndKeepsWhatWouldNotStayAbove0",
                   ExpOperation::Divide,
                   3,
                   {"2", "10", "-9", "-10"},
                   {"2", "3", "-9", "-10"}},
        ChangeCase{"DivideByNegative", ExpOperation::Divide, -2, {"-7", "8"}, {"3", "8"}},
        ChangeCase{"NoOperationChangesNothing", ExpOperation::None, 5, {"1", "", "-3"}, {"1", "", "-3"}},
        ChangeCase{"DivideByZeroWithoutAnyExp", ExpOperation::Divide, 0, {"", ""}, {"", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    ExpOperation operation;
    std::int32_t amount;
    Exps exps;
    std::string message;
};

class ExpChangeFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ExpChangeFailureTest, ChangesNoRecord) {
    const FailureCase& c = GetParam();
    auto table = TableOf(c.exps);
    try {
        Apply(*table, ComputeExpChange(*table, c.operation, c.amount));
        FAIL() << "no failure";
    } catch (const BrennickError& failure) {
        EXPECT_EQ(std::string(failure.what()), c.message);
    }
    EXPECT_EQ(ExpsOf(*table, c.exps.size()), c.exps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpChangeFailureTest,
    ::testing::Values(
        FailureCase{"NotANumber",
                    ExpOperation::Add,
                    1,
                    {"10", "20", "3x", "40"},
                    "'3x' is not a valid integer value"},
        FailureCase{"DivideByZero", ExpOperation::Divide, 0, {"", "10"}, "Division by zero"},
        FailureCase{"NotANumberWithNoOperation",
                    ExpOperation::None,
                    5,
                    {"1", "x"},
                    "'x' is not a valid integer value"},
        FailureCase{"AddAboveRange", ExpOperation::Add, 1, {"1", "2147483647"}, "Integer overflow"},
        FailureCase{
            "SubtractBelowRange", ExpOperation::Subtract, 1, {"5", "-2147483648"}, "Integer overflow"},
        FailureCase{"MultiplyOutOfRange", ExpOperation::Multiply, 65536, {"2", "32768"}, "Integer overflow"},
        FailureCase{
            "DivideSmallestByMinusOne", ExpOperation::Divide, -1, {"-2147483648"}, "Integer overflow"},
        FailureCase{"ValueOutOfRange",
                    ExpOperation::Add,
                    0,
                    {"2147483648"},
                    "'2147483648' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExpChange, CommentedRecordsAndPositionZeroAreIncluded) {
    auto table = TableOf({"10", "20"});
    RecordAt((*table), 1)[MonsterSlot::Commented] = "1";
    Apply(*table, ComputeExpChange(*table, ExpOperation::Multiply, 2));
    EXPECT_EQ(ExpsOf(*table, 2), (Exps{"20", "40"}));
}
} // namespace
