// Random changes through each editing object with its history kept, all taken
// back: the saves are byte for byte those of the untouched table; all made
// again, those right after the changes.
#include "support/FakeShell.h"
#include "support/SeededChoices.h"

#include "common/TableChangeCommand.h"
#include "monsters/MonsterEditor.h"
#include "monsters/MonsterNamesReader.h"
#include "portals/PortalEditor.h"
#include "records/FileBytes.h"
#include "spawns/SpawnEditor.h"

#include <gtest/gtest.h>

namespace {
std::string sample(const char* file) {
    return std::string(BRENNICK_TEST_DATA "/") + file;
}

template <typename Record, typename Save, typename Change>
void expectUndoneToTheByte(TableEditor<Record>& editor, Save save, Change change) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        FakeShell shell;
        QUndoStack stack;
        KeepHistory(shell, editor, stack, [](const auto&) { return QStringLiteral("change"); });
        const auto untouched = save();
        SeededChoices random(seed);
        for (int step = 0; step < 40; ++step) {
            change(random, [&] { return static_cast<std::int32_t>(random.Below(3)); });
        }
        const auto changed = save();
        ASSERT_NE(changed, untouched) << "seed " << seed;
        stack.setIndex(0);
        ASSERT_EQ(save(), untouched) << "seed " << seed;
        stack.setIndex(stack.count());
        ASSERT_EQ(save(), changed) << "seed " << seed;
    }
}

struct NoView : SpawnFieldsView {
    void ShowAvailable(bool) override {}
    void ShowMonsterName(const std::string&) override {}
    void ShowNumber(SpawnField, std::optional<std::int32_t>) override {}
    void ShowTypeOfSpawn(bool) override {}
    void ShowCornerTexts(const std::array<std::string, 4>&) override {}
};

TEST(UndoHistory, MonsterEdits) {
    MonsterTable monsters;
    MonsterNameTable names;
    std::optional<std::string> read;
    TextEncoding text = TextEncoding::Latin1, nameText = TextEncoding::Latin1;
    bool namesLoaded = false;
    MonsterEditor editor(monsters, {names, read, text, nameText, namesLoaded});
    editor.LoadMonsterNames(sample("monsters-sample/MonsterName.txt"));
    editor.LoadInitMonster(sample("monsters-sample/InitMonster.txt"));
    editor.RefreshList();
    const auto save = [&] { return std::pair(editor.LayoutKeepingSave(), editor.SavedLines()); };
    expectUndoneToTheByte(editor, save, [&](SeededChoices& random, auto number) {
        editor.Select(random.Below(editor.Entries().size()));
        const MonsterSlot fields[] = {MonsterSlot::Level, MonsterSlot::Exp, MonsterSlot::Mspeed};
        switch (random.Below(4)) {
        case 0:
            return editor.SetField(fields[random.Below(3)], std::to_string(number()));
        case 1:
            return editor.SetNumber(MonsterSlot::ItemGroup1, number());
        case 2:
            return editor.SetAvailable(random.OneIn(2));
        default:
            return editor.ChangeExperience(ExpOperation::Add, number());
        }
    });
}

TEST(UndoHistory, SpawnEditsAndAddedSpawns) {
    SpawnTable spawns;
    MonsterNameTable names;
    ParseMonsterNames(ReadWholeFile(sample("spawns-page/MonsterName.txt")), names);
    std::optional<std::string> read;
    SpawnEditor editor(spawns, names, read);
    editor.LoadGenMonster(sample("spawns-page/GenMonster.txt"));
    NoView view;
    const auto save = [&] { return std::pair(editor.SavedKeepingLayout(), editor.SavedLines()); };
    expectUndoneToTheByte(editor, save, [&](SeededChoices& random, auto number) {
        const SpawnValues values{number(), number(), number(), number() * 100, number(), number(), number()};
        if (random.OneIn(4)) {
            editor.AddSpawn({"Hill Goblin", random.OneIn(2), values});
            return;
        }
        editor.ShowSpawn(random.Below(spawns.size()), view);
        random.OneIn(2) ? editor.EditValues(values) : editor.EditCorners(values);
    });
}

TEST(UndoHistory, AddedPortals) {
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords others;
    std::optional<std::string> read;
    TextEncoding text = TextEncoding::Latin1;
    PortalEditor editor({portals, gotos, others, read, text});
    editor.loadEtc(sample("portals-sample/Etc.txt"));
    const auto save = [&] {
        return std::pair(editor.etcToSave(true).keptLayout, editor.etcToSave(false).lines);
    };
    expectUndoneToTheByte(editor, save, [&](SeededChoices& random, auto number) {
        editor.addPortal({random.OneIn(2), number(), {1, 2, 3, 4}, number(), {6, 7, 8}, "gate"});
    });
}
} // namespace
