#include "monsters/MonsterNamesReader.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {
constexpr std::string_view kRecord = "(monstername 1 \"Giant Rat\")";

TEST(MonsterNamesHostile, EveryHostileFileLoadsInLinearTimeWithTheRecordsItHolds) {
    auto table = std::make_unique<MonsterNameTable>();
    for (const HostileInput& input : HostileInputs(kRecord)) {
        SCOPED_TRACE(input.name);
        const MonsterNamesLoad load = ParseMonsterNames(input.bytes, *table);
        const std::size_t records = input.records;
        EXPECT_EQ(load.stored, records);
        if (input.name == "LongValues") {
            // No quotes: every byte after the keyword but the spaces is the number.
            EXPECT_EQ(RecordAt((*table), 0).number.size(), 200013u);
            EXPECT_EQ(RecordAt((*table), 0).displayName, "");
        } else if (load.stored > 0) {
            EXPECT_EQ(RecordAt((*table), 0).number, "1");
            EXPECT_EQ(RecordAt((*table), load.stored - 1).displayName, "Giant Rat");
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { ParseMonsterNames(bytes, *table); });
    }
}
} // namespace
