#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterSlots.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {
constexpr std::string_view kRecord =
    "(monster (name 1) (index 1) (country 0) (race 2) (level 5) (ai 1) (range 2) (sight 8 12) (exp 40) "
    "(itemgroup 3 10) (itemgroup 4 1) (str 11) (hth 9) (int 5) (wis 6) (dex 8) (hp 90) (mp 3) (aspeed 1396) "
    "(hit 11) (dodge 5) (attack 0 12 8) (magic 40 10) (defense 2 1) (absorb 0) (mspeed 897 1795) "
    "(resist 1 2 3 4 5) (quest (3 1) (4 1)) (skill (1 2)))";

TEST(InitMonsterHostile, EveryHostileFileLoadsInLinearTimeWithTheRecordsItHolds) {
    const MonsterRecord expected = ParseMonsterRecord(kRecord.substr(0, kRecord.size() - 1), false);
    ASSERT_EQ(expected[MonsterSlot::ResistPalsy], "5");
    auto table = std::make_unique<MonsterTable>();
    for (const HostileInput& input : HostileInputs(kRecord)) {
        SCOPED_TRACE(input.name);
        const InitMonsterLoad load = ParseInitMonster(input.bytes, *table);
        const std::size_t records = input.records;
        EXPECT_EQ(load.stored, records);
        if (input.name == "LongValues") {
            // `index` stands before `name`, which is searched first: it is found among the earlier groups.
            EXPECT_TRUE(RecordAt((*table), 0)[MonsterSlot::Name] == std::string(100000, '9'));
            EXPECT_TRUE(RecordAt((*table), 0)[MonsterSlot::Index] == std::string(100000, '7'));
        } else if (input.name == "OneMegabyteRecord") {
            // The padding group is no key's: it is kept with the record.
            EXPECT_EQ(RecordAt((*table), 0).fields, expected.fields);
            EXPECT_EQ(RecordAt((*table), 0).extras.kept.size(), 1u);
            EXPECT_EQ(RecordAt((*table), 1), expected);
        } else if (load.stored > 0) {
            // Damage around a record never changes what is read from it.
            EXPECT_EQ(RecordAt((*table), 0), expected);
            EXPECT_EQ(RecordAt((*table), load.stored - 1), expected);
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { ParseInitMonster(bytes, *table); });
    }
}
} // namespace
