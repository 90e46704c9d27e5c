#include "monsters/MonsterEditor.h"
#include "records/Errors.h"
#include "records/FileBytes.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {
using Slot = MonsterSlot;
using Change = MonsterEditor::Change;

// The sample monsters: exp 40, 150, 100, 2; Hill Goblin commented out with (attack 1 20 30).
class MonsterEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        editor.SetHistory([this](Change change) {
            editor.Apply(change);
            changes.push_back(std::move(change));
        });
    }

    static std::string sample(const char* file) {
        return std::string(BRENNICK_TEST_DATA "/monsters-sample/") + file;
    }

    void loadSample() {
        EXPECT_EQ(editor.LoadInitMonster(sample("InitMonster.txt")).next, AfterLoad::AskForNames);
        EXPECT_EQ(editor.LoadMonsterNames(sample("MonsterName.txt")).next, AfterLoad::RefreshList);
        EXPECT_EQ(editor.LoadInitMonster(sample("InitMonster.txt")).next, AfterLoad::RefreshList);
    }

    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (const MonsterListEntry& entry : editor.Entries()) {
            EXPECT_EQ(entry.position, names.size());
            names.push_back(entry.name);
        }
        return names;
    }

    MonsterTable monsters;
    MonsterNameTable names;
    std::optional<std::string> read;
    TextEncoding monsterText = TextEncoding::Latin1;
    TextEncoding nameText = TextEncoding::Latin1;
    bool namesLoaded = false;
    MonsterEditor editor{monsters, {names, read, monsterText, nameText, namesLoaded}};
    std::vector<Change> changes;
};

TEST_F(MonsterEditorTest, ShowsEachSlotAsItsControlDoes) {
    using Shown = int (*)(const MonsterEditor&);
    const struct {
        Slot slot;
        Shown shown;
        std::vector<std::pair<const char*, int>> texts;
    } cases[] = {
        {Slot::Race,
         [](const MonsterEditor& e) { return e.RaceButton(); },
         {{"", -1}, {"3", 3}, {"7", 4}, {"-2", 0}}},
        {Slot::Ai,
         [](const MonsterEditor& e) { return e.AggressiveButton(); },
         {{"", -1}, {"1", 0}, {"2", 1}, {"0", -1}, {"9", 1}}},
        {Slot::Commented, [](const MonsterEditor& e) { return int{e.Available()}; }, {{"0", 1}, {"1", 0}}},
        {Slot::RangeAttack, [](const MonsterEditor& e) { return int{e.RangeAttack()}; }, {{"1", 1}, {"", 0}}},
        {Slot::ItemGroup2Second,
         [](const MonsterEditor& e) { return e.Number(Slot::ItemGroup2Second); },
         {{"", 0}, {"05", 5}}},
    };
    for (const auto& c : cases) {
        for (const auto& [text, shown] : c.texts) {
            RecordAt(monsters, 0)[c.slot] = text;
            ASSERT_TRUE(editor.Select(0));
            EXPECT_EQ(c.shown(editor), shown) << SlotNumber(c.slot) << " '" << text << "'";
        }
    }
}

TEST_F(MonsterEditorTest, EveryEditIsOneChangeOfOneSlotOfTheSelectedMonster) {
    const struct {
        std::function<void(MonsterEditor&)> edit;
        Slot slot;
        const char* after;
    } cases[] = {
        {[](MonsterEditor& e) { e.SetField(Slot::Level, " 12a"); }, Slot::Level, " 12a"},
        {[](MonsterEditor& e) { e.SetNumber(Slot::ItemGroup2, -10); }, Slot::ItemGroup2, "-10"},
        {[](MonsterEditor& e) { e.SetAvailable(true); }, Slot::Commented, "0"},
        {[](MonsterEditor& e) { e.SetRangeAttack(false); }, Slot::RangeAttack, "0"},
        {[](MonsterEditor& e) { e.SetRace(4); }, Slot::Race, "4"},
        {[](MonsterEditor& e) { e.SetAggressive(0); }, Slot::Ai, "1"},
    };
    loadSample();
    for (const auto& c : cases) {
        ASSERT_TRUE(editor.Select(1));
        const MonsterRecord before = monsters[1];
        changes.clear();
        c.edit(editor);
        ASSERT_EQ(changes.size(), 1u) << c.after;
        ASSERT_EQ(changes[0].edits.size(), 1u);
        EXPECT_EQ(changes[0].kind, ChangeKind::FieldEdit);
        const auto& edit = changes[0].edits[0];
        EXPECT_EQ(edit.position, 1u);
        EXPECT_EQ(edit.field, SlotNumber(c.slot));
        EXPECT_EQ(monsters[1][c.slot], c.after);
        c.edit(editor); // the slot holds it already
        EXPECT_EQ(changes.size(), 1u);
        editor.Revert(changes[0]);
        EXPECT_EQ(monsters[1], before);
    }

    changes.clear();
    editor.SetRace(-1);
    editor.SetAggressive(-1);
    editor.RefreshList(); // leaves none selected
    for (const auto& c : cases) {
        c.edit(editor);
    }
    EXPECT_TRUE(changes.empty());
}

TEST_F(MonsterEditorTest, ExperienceChangeIsOneChangeOfEveryMonsterOrNone) {
    loadSample();
    editor.ChangeExperience(ExpOperation::Subtract, 100);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, ChangeKind::ExperienceChange);
    ASSERT_EQ(changes[0].edits.size(), 1u); // 40, 100 and 2 stay
    EXPECT_EQ(changes[0].edits[0].before, "150");
    EXPECT_EQ(monsters[1][Slot::Exp], "50");

    editor.ChangeExperience(ExpOperation::Add, 0);
    EXPECT_THROW(editor.ChangeExperience(ExpOperation::Divide, 0), DivisionByZeroError);
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(MonsterEditorTest, ListNamesEveryRecordByItsIndex) {
    editor.LoadInitMonster(sample("InitMonster.txt"));
    EXPECT_FALSE(editor.CanRefreshList());
    loadSample();
    ASSERT_TRUE(editor.CanRefreshList());
    RecordAt(monsters, 2)[Slot::Index].clear();
    RecordAt(monsters, 3)[Slot::Index] = "402";
    editor.RefreshList();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Giant Rat", "Hill Goblin", "", ""}));

    ASSERT_TRUE(editor.Select(0));
    RecordAt(monsters, 1)[Slot::Index] = "x";
    EXPECT_THROW(editor.RefreshList(), ConvertError);
    EXPECT_EQ(listed(), std::vector<std::string>{"Giant Rat"});
    EXPECT_FALSE(editor.SelectedPosition());
}

TEST_F(MonsterEditorTest, NoMonsterIsSelectedWhoseTitleCannotBeShown) {
    loadSample();
    EXPECT_FALSE(editor.Select(4));
    RecordAt(monsters, 2)[Slot::Name] = "3x";
    ASSERT_TRUE(editor.Select(1));
    EXPECT_THROW(editor.Select(2), ConvertError);
    EXPECT_FALSE(editor.SelectedPosition());
    editor.SetField(Slot::Level, "1");
    EXPECT_TRUE(changes.empty());
}

TEST_F(MonsterEditorTest, LoadsKeepWhatTheSavesNeed) {
    EXPECT_FALSE(editor.SavesKeepingLayout(true));
    EXPECT_THROW(editor.LoadInitMonster(sample("missing.txt")), InOutError);
    loadSample();
    EXPECT_TRUE(namesLoaded);
    EXPECT_FALSE(editor.SavesKeepingLayout(false));
    ASSERT_TRUE(editor.SavesKeepingLayout(true));
    EXPECT_EQ(editor.LayoutKeepingSave(), ReadWholeFile(sample("InitMonster.txt")));
    EXPECT_EQ(editor.SavedLines().size(), 4u);

    ASSERT_TRUE(editor.Select(3));
    editor.LoadInitMonster(sample("InitMonster.txt"));
    EXPECT_FALSE(editor.SelectedPosition());
}
} // namespace
