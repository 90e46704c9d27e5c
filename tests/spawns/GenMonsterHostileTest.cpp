#include "spawns/GenMonsterReader.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {
constexpr std::string_view kRecord =
    "(genmonster (index 1) (map 0) (area 7) (max 5) (cycle 300) (rect 7000 10000 7100 10100))";

TEST(GenMonsterHostile, EveryHostileFileLoadsInLinearTimeWithTheRecordsItHolds) {
    SpawnRecord expected;
    ParseGenMonsterRecord(kRecord.substr(0, kRecord.size() - 1), false, expected);
    ASSERT_EQ(expected[SpawnField::Y2], "10100");
    auto table = std::make_unique<SpawnTable>();
    for (const HostileInput& input : HostileInputs(kRecord)) {
        SCOPED_TRACE(input.name);
        const GenMonsterLoad load = ParseGenMonster(input.bytes, *table);
        const std::size_t records = input.records;
        EXPECT_EQ(load.stored, records);
        if (input.name == "LongValues") {
            EXPECT_TRUE(RecordAt((*table), 0)[SpawnField::Index] == std::string(100000, '7'));
        } else if (input.name == "OneMegabyteRecord") {
            // The padding group is no key's: it is kept with the record.
            EXPECT_EQ(RecordAt((*table), 0).fields, expected.fields);
            EXPECT_EQ(RecordAt((*table), 0).extras.kept.size(), 1u);
            EXPECT_EQ(RecordAt((*table), 1), expected);
        } else if (load.stored > 0) {
            EXPECT_EQ(RecordAt((*table), 0), expected);
            EXPECT_EQ(RecordAt((*table), load.stored - 1), expected);
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { ParseGenMonster(bytes, *table); });
    }
}
} // namespace
