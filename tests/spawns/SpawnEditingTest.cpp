#include "spawns/SpawnEditing.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
SpawnRecord Spawn(std::string index, std::string area, std::string map = "1") {
    return {{"0", index, map, area, "5", "300", "100", "200", "150", "260", "", ""}, {}};
}

std::unique_ptr<MonsterNameTable> Names(const std::vector<std::pair<std::string, std::string>>& entries) {
    auto names = std::make_unique<MonsterNameTable>();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        RecordAt((*names), i) = {entries[i].first, entries[i].second};
    }
    return names;
}

class SpawnEditingTest : public ::testing::Test {
  protected:
    std::unique_ptr<SpawnTable> table = std::make_unique<SpawnTable>();
    std::unique_ptr<MonsterNameTable> names = Names({{"1", "Giant Rat"},
                                                     {"2", "Hill Goblin"},
                                                     {"3", "Cave Spider"},
                                                     {"4", "Bog Troll"},
                                                     {"5", "Ash Wolf"}});
};

TEST_F(SpawnEditingTest, MonsterListHasOneEntryPerIndexTextInOrderOfFirstAppearance) {
    const std::vector<std::string> indexes = {"3", "1", "3", "5", "05", "1"};
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        RecordAt((*table), i) = Spawn(indexes[i], std::to_string(10 + i));
    }
    std::vector<std::string> list;
    ASSERT_TRUE(CanBuildSpawnMonsterList(*table, *names));
    BuildSpawnMonsterList(*table, *names, [&](const std::string& name) { list.push_back(name); });
    EXPECT_EQ(list, (std::vector<std::string>{"Cave Spider", "Giant Rat", "Ash Wolf", "Ash Wolf"}));
    const std::vector<std::string> positions = {"0", "1", "0", "2", "3", "1"};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        EXPECT_EQ(RecordAt((*table), i)[kListPosition], positions[i]) << i;
    }
    EXPECT_EQ(AreasOfMonster(*table, 0), (std::vector<std::string>{"10", "12"}));
    EXPECT_EQ(AreasOfMonster(*table, 1), (std::vector<std::string>{"11", "15"}));
    EXPECT_TRUE(AreasOfMonster(*table, 4).empty());
}

TEST_F(SpawnEditingTest, MonsterListNeedsASpawnAndNames) {
    EXPECT_FALSE(CanBuildSpawnMonsterList(*table, *names));
    RecordAt((*table), 0) = Spawn("1", "1");
    EXPECT_FALSE(CanBuildSpawnMonsterList(*table, MonsterNameTable{}));
    EXPECT_TRUE(CanBuildSpawnMonsterList(*table, *names));
}

TEST_F(SpawnEditingTest, AnIndexThatIsNoNumberStopsTheListAfterTheEntriesBeforeIt) {
    RecordAt((*table), 0) = Spawn("2", "1");
    RecordAt((*table), 1) = Spawn("two", "2");
    std::vector<std::string> list;
    EXPECT_THROW(
        BuildSpawnMonsterList(*table, *names, [&](const std::string& name) { list.push_back(name); }),
        ConvertError);
    EXPECT_EQ(list, (std::vector<std::string>{"Hill Goblin"}));
}

TEST_F(SpawnEditingTest, ShowsCornersInWorldUnitsAndStoresThemBackTruncated) {
    SpawnRecord record = Spawn("1", "1");
    record[kX1] = record[kX2] = "7000";
    record[kY1] = record[kY2] = "9000";
    EXPECT_TRUE(IsSpawnPoint(record));
    EXPECT_EQ(CornerInWorldUnits(record[kX1]), 224000);
    EXPECT_EQ(CornerInWorldUnits("-1"), -32);

    struct Case {
        std::int32_t world;
        const char* stored;
    };
    for (const Case c :
         {Case{224000, "7000"}, Case{224031, "7000"}, Case{-33, "-1"}, Case{-31, "0"}, Case{31, "0"}}) {
        EditedSpawn values{1, 8, 300, c.world, 288000, 224000, 288000};
        StoreEditedSpawn(values, record, EditedField::Corner);
        EXPECT_EQ(record[kX1], c.stored) << c.world;
        EXPECT_EQ(record[kY1], "9000");
        EXPECT_EQ(record[kMax], "8");
    }
}

TEST_F(SpawnEditingTest, EmptyCornersAreStoredOnlyByAnEditOfTheCorners) {
    SpawnRecord record = Spawn("1", "1");
    record[kX1] = record[kY1] = record[kX2] = record[kY2] = "";
    const EditedSpawn values{2, 8, 60, 320, 640, 0, 0};
    StoreEditedSpawn(values, record, EditedField::Value);
    EXPECT_EQ(record, (SpawnRecord{{"0", "1", "2", "1", "8", "60", "", "", "", "", "", ""}, {}}));
    StoreEditedSpawn(values, record, EditedField::Corner);
    EXPECT_EQ(record, (SpawnRecord{{"0", "1", "2", "1", "8", "60", "10", "20", "0", "0", "", ""}, {}}));
}

TEST_F(SpawnEditingTest, CornersThatCannotBeShownThrow) {
    for (const std::string text : {"one", "", "3 ", "x", "99999999", "-67108865"}) {
        EXPECT_THROW(CornerInWorldUnits(text), ConvertError) << text;
    }
    EXPECT_EQ(CornerInWorldUnits("-67108864"), -2147483647 - 1);
}

TEST_F(SpawnEditingTest, AddFillsTheFirstFreePositionWithTheNextArea) {
    for (std::size_t i = 0; i < 10; ++i) {
        RecordAt((*table), i) = Spawn("1", std::to_string(32 + i));
    }
    NewSpawn spawn{"Cave Spider", false, 0, 4, 120, 219322, 311040, 222522, 314880};
    ASSERT_EQ(AddSpawn(*table, *names, spawn), 10u);
    const SpawnRecord expected = {{"0", "3", "0", "42", "4", "120", "6853", "9720", "6953", "9840", "", ""},
                                  {}};
    EXPECT_EQ(RecordAt((*table), 10), expected);

    spawn.point = true;
    ASSERT_EQ(AddSpawn(*table, *names, spawn), 11u);
    EXPECT_EQ(RecordAt((*table), 11)[kArea], "43");
    EXPECT_EQ(RecordAt((*table), 11)[kX2], "6853");
    EXPECT_EQ(RecordAt((*table), 11)[kY2], "9720");
    EXPECT_TRUE(IsSpawnPoint(RecordAt((*table), 11)));
}

TEST_F(SpawnEditingTest, AddRefusalsStoreNothing) {
    RecordAt((*table), 0) = Spawn("1", "7");
    RecordAt((*table), 1) = Spawn("1", "eight");
    const SpawnRecord empty;
    NewSpawn spawn{"", false, 0, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(AddSpawn(*table, *names, spawn), std::nullopt);
    spawn.monsterName = "Nobody";
    EXPECT_EQ(AddSpawn(*table, *names, spawn), std::nullopt);
    spawn.monsterName = "Giant Rat";
    EXPECT_THROW(AddSpawn(*table, *names, spawn), ConvertError);
    EXPECT_EQ(RecordAt((*table), 2), empty);
}

TEST_F(SpawnEditingTest, AddToATableWithEveryRecordLiveGrowsIt) {
    for (std::size_t i = 0; i < 3600; ++i) {
        RecordAt((*table), i) = Spawn("1", std::to_string(i));
    }
    const NewSpawn spawn{"Giant Rat", false, 0, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(AddSpawn(*table, *names, spawn), 3600u);
    EXPECT_EQ(table->LiveCount(), 3601u);
    EXPECT_EQ(RecordAt((*table), 3600)[kArea], "3600");
}
} // namespace
