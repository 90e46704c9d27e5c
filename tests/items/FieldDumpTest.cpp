#include "items/FieldDump.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
ItemTable threeItems() {
    ItemTable table;
    for (std::size_t row = 0; row < 3; ++row) {
        RecordAt(table, row).fields[1] = std::to_string(row + 10);
        RecordAt(table, row).fields[2] = std::to_string(row + 500);
        RecordAt(table, row).fields[70] = "p" + std::to_string(row);
    }
    RecordAt(table, 4).fields[1] = "after a gap";
    return table;
}

TEST(FieldDump, LinesOfTwoFields) {
    const ItemTable table = threeItems();
    struct Case {
        const char* first;
        const char* second;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"1", "2", {"10=500", "11=501", "12=502"}}, {"2", "2", {"500=500", "501=501", "502=502"}},
        {"+70", "0", {"p0=", "p1=", "p2="}},        {"71", "-1", {"=", "=", "="}},
        {"2147483647", "1", {"=10", "=11", "=12"}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(DumpFields(table, test.first, test.second), test.expected)
            << test.first << "," << test.second;
    }
}

TEST(FieldDump, RowZeroIsListedInAnEmptyTable) {
    EXPECT_EQ(DumpFields(ItemTable(), "1", "2"), (std::vector<std::string>{"="}));
}

TEST(FieldDump, ATableWhereEveryRowHasANameEndsAtTheLastRow) {
    ItemTable table;
    for (std::size_t row = 0; row < 4000; ++row) {
        RecordAt(table, row).fields[1] = "n";
    }
    const auto lines = DumpFields(table, "1", "1");
    ASSERT_EQ(lines.size(), 4000u);
    EXPECT_EQ(lines.back(), "n=n");
}

TEST(FieldDump, TextThatIsNotANumberFails) {
    const ItemTable table = threeItems();
    for (const char* text : {"Edit1", "", "1.5", " 1"}) {
        try {
            DumpFields(table, text, "2");
            FAIL() << text;
        } catch (const ConvertError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
        EXPECT_THROW(DumpFields(table, "1", text), ConvertError) << text;
    }
}
} // namespace
