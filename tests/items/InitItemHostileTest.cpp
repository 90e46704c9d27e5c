#include "items/InitItemReader.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {
constexpr std::string_view kRecord =
    "(item (name 1) (Index 1001) (Image \"items\\helmet1.bmp\") (Action 1 1) (desc 1) (class defense helmet) "
    "(code 1 0 1 0) (country 0 1 2) (level 2) (wear 1) (use 1) (plural 0) (pay 1) (cooltime 0) (limit archer "
    "4) "
    "(range 0) (buy 100) (sell 25) (endurance 51) (maxprotect 1) (specialty (Hth 1) (Dex 1) (hp 10) "
    "(defense 6) (dodge 1) (absorb 1) (resistfire 1) (resistice 1) (resistlitning 1) (resistcurse 1) "
    "(resistpalsy 2)))";

// How many `item` records the scanner meets in each hostile input: it follows
// keys, not nesting, so every "(item" of the unbalanced input counts.
std::int64_t recordsIn(const HostileInput& input) {
    return input.name == "Unbalanced" ? 3 : static_cast<std::int64_t>(input.records);
}

TEST(InitItemHostile, EveryHostileFileLoadsInLinearTimeWithTheRecordsItHolds) {
    ItemTable expected;
    ParseInitItem(kRecord, expected);
    ASSERT_EQ(RecordAt(expected, 0)[ItemField::ResistPalsy], "2");
    for (const HostileInput& input : HostileInputs(kRecord)) {
        SCOPED_TRACE(input.name);
        auto table = std::make_unique<ItemTable>();
        const ItemFileLoad load = ParseInitItem(input.bytes, *table);
        const std::int64_t records = recordsIn(input);
        EXPECT_EQ(load.lastRow, records - 1);
        EXPECT_EQ(load.valuesLeftOut, 0);
        if (input.name == "LongValues") {
            EXPECT_TRUE(RecordAt((*table), 0)[ItemField::NameNumber] == std::string(100000, '9'));
        } else if (records > 0) {
            const auto last = static_cast<std::size_t>(records - 1);
            for (std::size_t field = 0; field < ItemRow::kFieldCount; ++field) {
                EXPECT_EQ(RecordAt((*table), last).fields[field], RecordAt(expected, 0).fields[field])
                    << "field " << field;
            }
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { ParseInitItem(bytes, *table); });
    }
}
} // namespace
