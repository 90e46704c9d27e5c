#include "items/ItemNamesReader.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {
constexpr std::string_view kRecord = "(itemname 1 \"Ranger Cap\")";

// How many `itemname` records the scanner meets in each hostile input. A word
// runs from "(" to the next space or tab, and a "(" met inside a word is part
// of it, so a record glued to a "(" or ")" before it ("((itemname",
// ")(itemname") is not one.
std::int64_t recordsIn(const HostileInput& input) {
    if (input.name == "DeepNesting" || input.name == "Unbalanced") {
        return 0;
    }
    return static_cast<std::int64_t>(input.records) - (input.name == "NulBytes" ? 1 : 0);
}

TEST(ItemNamesHostile, EveryHostileFileLoadsInLinearTimeWithTheRecordsItHolds) {
    for (const HostileInput& input : HostileInputs(kRecord)) {
        SCOPED_TRACE(input.name);
        auto table = std::make_unique<ItemNameTable>();
        const ItemFileLoad load = ParseItemNames(input.bytes, *table);
        const std::int64_t records = recordsIn(input);
        EXPECT_EQ(load.lastRow, records - 1);
        if (records > 0 && input.name != "LongValues") {
            const auto last = static_cast<std::size_t>(records - 1);
            // The pad group's first word is taken as the number of the row it stands in.
            EXPECT_EQ(RecordAt((*table), 0).number, input.name == "OneMegabyteRecord" ? "pad" : "1");
            EXPECT_EQ(RecordAt((*table), last).number, "1");
            EXPECT_EQ(RecordAt((*table), last).displayName, "Ranger Cap");
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { ParseItemNames(bytes, *table); });
    }
}
} // namespace
