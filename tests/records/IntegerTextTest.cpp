#include "records/IntegerText.h"
#include "records/Errors.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {
TEST(IntegerText, DecimalRule) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"0", 0},
        {"42", 42},
        {"+7", 7},
        {"-9", -9},
        {"05", 5},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", {}},
        {"", {}},
        {"-", {}},
        {" 5", {}},
        {"5 ", {}},
        {"12a", {}},
        {"0x10", {}},
        {"99999999999999999999", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(TryStrToInt(text), expected) << '"' << text << '"';
    }
}

TEST(IntegerText, FailureNamesTheText) {
    try {
        StrToInt("12a");
        FAIL();
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
    }
}
} // namespace
