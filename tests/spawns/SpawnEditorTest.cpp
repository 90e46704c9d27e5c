#include "spawns/SpawnEditor.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
SpawnRecord Spawn(std::string index, std::string area, std::string map = "1") {
    return {{"0", index, map, area, "5", "300", "100", "200", "150", "260"}, {}};
}

std::unique_ptr<MonsterNameTable> Names(const std::vector<std::pair<std::string, std::string>>& entries) {
    auto names = std::make_unique<MonsterNameTable>();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        RecordAt((*names), i) = {entries[i].first, entries[i].second};
    }
    return names;
}

// Every field shown, as text, in the order it was shown.
struct ShownFields : SpawnFieldsView {
    std::vector<std::string> shown;
    void ShowAvailable(bool available) override { shown.push_back(available ? "available" : "commented"); }
    void ShowMonsterName(const std::string& name) override { shown.push_back(name); }
    void ShowNumber(SpawnField, std::optional<std::int32_t> value) override {
        shown.push_back(value ? std::to_string(*value) : "empty");
    }
    void ShowTypeOfSpawn(bool point) override { shown.push_back(point ? "point" : "area"); }
    void ShowCornerTexts(const std::array<std::string, 4>& corners) override {
        shown.insert(shown.end(), corners.begin(), corners.end());
    }
};

class SpawnEditorTest : public ::testing::Test {
  protected:
    std::vector<std::string> listNames() const {
        std::vector<std::string> list;
        for (const SpawnEditor::MonsterEntry& entry : editor.monsterList()) {
            list.push_back(entry.name);
        }
        return list;
    }
    std::vector<std::string> areasOf(std::size_t entry) {
        editor.ChooseMonster(entry);
        std::vector<std::string> areas;
        for (const std::size_t spawn : editor.areas()) {
            areas.push_back(editor.AreaOf(spawn));
        }
        return areas;
    }
    std::vector<std::string> show(std::size_t spawn) {
        ShownFields view;
        editor.ShowSpawn(spawn, view);
        return view.shown;
    }

    std::unique_ptr<SpawnTable> table = std::make_unique<SpawnTable>();
    std::unique_ptr<MonsterNameTable> names = Names({{"1", "Giant Rat"},
                                                     {"2", "Hill Goblin"},
                                                     {"3", "Cave Spider"},
                                                     {"4", "Bog Troll"},
                                                     {"5", "Ash Wolf"}});
    std::optional<std::string> read;
    SpawnEditor editor{*table, *names, read};
};

TEST_F(SpawnEditorTest, MonsterListHasOneEntryPerIndexTextInOrderOfFirstAppearance) {
    const std::vector<std::string> indexes = {"3", "1", "3", "5", "05", "1"};
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        RecordAt((*table), i) = Spawn(indexes[i], std::to_string(10 + i));
    }
    ASSERT_TRUE(editor.BuildMonsterList());
    EXPECT_EQ(listNames(), (std::vector<std::string>{"Cave Spider", "Giant Rat", "Ash Wolf", "Ash Wolf"}));
    EXPECT_EQ(areasOf(0), (std::vector<std::string>{"10", "12"}));
    EXPECT_EQ(areasOf(1), (std::vector<std::string>{"11", "15"}));
    EXPECT_TRUE(areasOf(4).empty());
    EXPECT_EQ(editor.PlaceOf(5)->entry, 1u);
    EXPECT_EQ(editor.PlaceOf(5)->row, 1u);
}

TEST_F(SpawnEditorTest, MonsterListNeedsASpawnAndNames) {
    EXPECT_FALSE(editor.BuildMonsterList());
    RecordAt((*table), 0) = Spawn("1", "1");
    const MonsterNameTable noNames;
    SpawnEditor withoutNames(*table, noNames, read);
    EXPECT_FALSE(withoutNames.BuildMonsterList());
    EXPECT_TRUE(editor.BuildMonsterList());
}

TEST_F(SpawnEditorTest, AnIndexThatIsNoNumberStopsTheListAfterTheEntriesBeforeIt) {
    RecordAt((*table), 0) = Spawn("2", "1");
    RecordAt((*table), 1) = Spawn("two", "2");
    EXPECT_THROW(editor.BuildMonsterList(), ConvertError);
    EXPECT_EQ(listNames(), (std::vector<std::string>{"Hill Goblin"}));
}

TEST_F(SpawnEditorTest, ShowsCornersInWorldUnitsAndStoresThemBackTruncated) {
    RecordAt((*table), 0) = Spawn("1", "1");
    SpawnRecord& record = RecordAt((*table), 0);
    record[SpawnField::X1] = record[SpawnField::X2] = "7000";
    record[SpawnField::Y1] = record[SpawnField::Y2] = "9000";
    EXPECT_EQ(show(0),
              (std::vector<std::string>{"available", "Giant Rat", "1", "5", "300", "point", "224000",
                                        "288000", "224000", "288000", "7000", "9000", "7000", "9000"}));
    EXPECT_EQ(CornerInWorldUnits("-1"), -32);

    struct Case {
        std::int32_t world;
        const char* stored;
    };
    for (const Case c :
         {Case{224000, "7000"}, Case{224031, "7000"}, Case{-33, "-1"}, Case{-31, "0"}, Case{31, "0"}}) {
        editor.EditCorners({1, 8, 300, c.world, 288000, 224000, 288000});
        EXPECT_EQ(record[SpawnField::X1], c.stored) << c.world;
        EXPECT_EQ(record[SpawnField::Y1], "9000");
        EXPECT_EQ(record[SpawnField::Max], "8");
    }
}

TEST_F(SpawnEditorTest, EmptyCornersAreStoredOnlyByAnEditOfTheCorners) {
    RecordAt((*table), 0) = {{"0", "1", "1", "1", "5", "300", "", "", "", ""}, {}};
    EXPECT_EQ(show(0), (std::vector<std::string>{"available", "Giant Rat", "1", "5", "300", "point", "empty",
                                                 "empty", "empty", "empty", "", "", "", ""}));
    const SpawnValues values{2, 8, 60, 320, 640, 0, 0};
    editor.EditValues(values);
    EXPECT_EQ(RecordAt((*table), 0), (SpawnRecord{{"0", "1", "2", "1", "8", "60", "", "", "", ""}, {}}));
    editor.EditCorners(values);
    EXPECT_EQ(RecordAt((*table), 0),
              (SpawnRecord{{"0", "1", "2", "1", "8", "60", "10", "20", "0", "0"}, {}}));
}

TEST_F(SpawnEditorTest, CornersThatCannotBeShownThrow) {
    for (const std::string text : {"one", "", "3 ", "x", "99999999", "-67108865"}) {
        EXPECT_THROW(CornerInWorldUnits(text), ConvertError) << text;
    }
    EXPECT_EQ(CornerInWorldUnits("-67108864"), -2147483647 - 1);
}

// Edits go to the spawn the page shows, found by its place in the table and
// not by its area text, and to none while a spawn did not show whole.
TEST_F(SpawnEditorTest, EditsGoToTheSpawnShownWholeEvenWhenItsAreaRepeats) {
    RecordAt((*table), 0) = Spawn("1", "7");
    RecordAt((*table), 1) = Spawn("2", "7");
    show(1);
    editor.SetAvailable(false);
    editor.EditValues({1, 9, 300, 3200, 6400, 4800, 8320});
    EXPECT_EQ(RecordAt((*table), 0), Spawn("1", "7"));
    EXPECT_EQ(RecordAt((*table), 1),
              (SpawnRecord{{"1", "2", "1", "7", "9", "300", "100", "200", "150", "260"}, {}}));

    RecordAt((*table), 0)[SpawnField::Cycle] = "soon";
    EXPECT_THROW(show(0), ConvertError);
    editor.EditValues({1, 1, 1, 0, 0, 0, 0});
    editor.SetAvailable(true);
    EXPECT_EQ(editor.shownSpawn(), std::nullopt);
    EXPECT_EQ(RecordAt((*table), 1)[SpawnField::Max], "9");
}

// Each edit and each new spawn is one change, which the history takes back to the bytes before it.
TEST_F(SpawnEditorTest, EveryChangeIsOneChangeTakenBackExactly) {
    RecordAt((*table), 0) = {{"0", "1", "01", "41", "+5", "300", "100", "200", "150", "260"}, {}};
    std::vector<SpawnEditor::Change> history;
    editor.SetHistory([&](SpawnEditor::Change change) {
        editor.Apply(change);
        history.push_back(std::move(change));
    });
    const SpawnRecord before = RecordAt((*table), 0);
    show(0);
    editor.EditValues({1, 5, 300, 3200, 6400, 4800, 8320});
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].edits.size(), 2u); // "01" and "+5" written anew
    EXPECT_EQ(editor.AddSpawn({"Hill Goblin", true, {0, 1, 1, 64, 96, 0, 0}}), 1u);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[1].kind, ChangeKind::AddSpawn);
    EXPECT_EQ(editor.AppendedSpawn(history[1]), 1u);

    editor.Revert(history[1]);
    EXPECT_EQ(editor.AppendedSpawn(history[1]), std::nullopt);
    editor.Revert(history[0]);
    EXPECT_EQ(table->size(), 1u);
    EXPECT_EQ(RecordAt((*table), 0), before);
}

TEST_F(SpawnEditorTest, AddFillsTheFirstFreePositionWithTheNextArea) {
    for (std::size_t i = 0; i < 10; ++i) {
        RecordAt((*table), i) = Spawn("1", std::to_string(32 + i));
    }
    NewSpawn spawn{"Cave Spider", false, {0, 4, 120, 219322, 311040, 222522, 314880}};
    ASSERT_EQ(editor.AddSpawn(spawn), 10u);
    const SpawnRecord expected = {{"0", "3", "0", "42", "4", "120", "6853", "9720", "6953", "9840"}, {}};
    EXPECT_EQ(RecordAt((*table), 10), expected);

    spawn.point = true;
    ASSERT_EQ(editor.AddSpawn(spawn), 11u);
    EXPECT_EQ(RecordAt((*table), 11)[SpawnField::Area], "43");
    EXPECT_EQ(RecordAt((*table), 11)[SpawnField::X2], "6853");
    EXPECT_EQ(RecordAt((*table), 11)[SpawnField::Y2], "9720");
    EXPECT_TRUE(IsSpawnPoint(RecordAt((*table), 11)));
}

TEST_F(SpawnEditorTest, AddRefusalsStoreNothing) {
    RecordAt((*table), 0) = Spawn("1", "7");
    RecordAt((*table), 1) = Spawn("1", "eight");
    NewSpawn spawn{"", false, {0, 1, 1, 0, 0, 0, 0}};
    EXPECT_EQ(editor.AddSpawn(spawn), std::nullopt);
    spawn.monsterName = "Nobody";
    EXPECT_EQ(editor.AddSpawn(spawn), std::nullopt);
    spawn.monsterName = "Giant Rat";
    EXPECT_THROW(editor.AddSpawn(spawn), ConvertError);
    EXPECT_EQ(table->size(), 2u);
}

TEST_F(SpawnEditorTest, AddToATableWithEveryRecordLiveGrowsIt) {
    for (std::size_t i = 0; i < 3600; ++i) {
        RecordAt((*table), i) = Spawn("1", std::to_string(i));
    }
    EXPECT_EQ(editor.AddSpawn({"Giant Rat", false, {0, 1, 1, 0, 0, 0, 0}}), 3600u);
    EXPECT_EQ(table->LiveCount(), 3601u);
    EXPECT_EQ(RecordAt((*table), 3600)[SpawnField::Area], "3600");
}
} // namespace
