#include "items/ItemEditor.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {
constexpr int kArcher = 0, kMage = 2, kHelmet = 0;

// Two archer helmets, named "Cap" and "Hood", and a name whose number is no integer.
struct Items {
    ItemTable items;
    ItemNameTable names;
    TextEncoding itemText = TextEncoding::Latin1;
    TextEncoding nameText = TextEncoding::Latin1;
    bool initItemLoaded = true;
    bool namesLoaded = true;
    ItemEditor editor{items, names, {itemText, nameText, initItemLoaded, namesLoaded}};
    std::vector<ItemEditor::Change> history;

    Items() {
        for (const auto& [number, buy] : {std::pair{"1", "100"}, std::pair{"2", "0"}}) {
            ItemRow& item = items.Append();
            item[ItemField::NameNumber] = number;
            item[ItemField::Class] = "archer";
            item[ItemField::Kind] = "helmet";
            item[ItemField::Buy] = buy;
        }
        names.Append({"1", "Cap"});
        names.Append({"2", "Hood"});
        names.Append({"x2", "Bad"});
        editor.SetHistory([this](ItemEditor::Change change) {
            editor.Apply(change);
            history.push_back(std::move(change));
        });
        editor.ChooseClass(kArcher);
        editor.ChooseType(kHelmet);
    }
};

struct FieldChange {
    ItemField field;
    std::string before;
    std::string after;

    bool operator==(const FieldChange&) const = default;
};

TEST(ItemEditor, EveryChangeOfTheShownItemIsOneChangeThatIsTakenBackExactly) {
    Items tables;
    ASSERT_EQ(tables.editor.PickEntry(0), 0u);
    const ItemRow asLoaded = tables.items[0];
    struct Step {
        const char* what;
        std::function<void(ItemEditor&)> change;
        std::vector<FieldChange> expected; // the edits of one change
    };
    const std::vector<Step> steps{
        {"an edit", [](ItemEditor& e) { e.EditField(ItemField::Sell, "30"); }, {{ItemField::Sell, "", "30"}}},
        {"the same text again", [](ItemEditor& e) { e.EditField(ItemField::Sell, "30"); }, {}},
        {"a flag the file left empty",
         [](ItemEditor& e) { e.SetFlag(ItemField::Plural, false); },
         {{ItemField::Plural, "", "0"}}},
        {"a class", [](ItemEditor& e) { e.SetClass(kMage); }, {{ItemField::Class, "archer", "mage"}}},
        {"Can't buy ticked",
         [](ItemEditor& e) { EXPECT_TRUE(e.SetCannotBuy(true)); },
         {{ItemField::SavedPrice, "", "100"}, {ItemField::Buy, "100", "0"}}},
        {"Can't buy unticked",
         [](ItemEditor& e) { EXPECT_TRUE(e.SetCannotBuy(false)); },
         {{ItemField::Buy, "0", "100"}}},
    };
    for (const Step& step : steps) {
        const std::size_t before = tables.history.size();
        step.change(tables.editor);
        ASSERT_LE(tables.history.size() - before, 1u) << step.what;
        std::vector<FieldChange> made;
        for (std::size_t i = before; i < tables.history.size(); ++i) {
            const ItemEditor::Change& change = tables.history[i];
            EXPECT_EQ(change.kind, ChangeKind::FieldEdit) << step.what;
            for (const auto& edit : change.edits) {
                EXPECT_EQ(edit.position, 0u) << step.what;
                made.push_back({static_cast<ItemField>(edit.field), edit.before, edit.after});
            }
        }
        EXPECT_EQ(made, step.expected) << step.what;
    }
    EXPECT_EQ(tables.items[0][ItemField::SavedPrice], "100");
    for (auto change = tables.history.rbegin(); change != tables.history.rend(); ++change) {
        tables.editor.Revert(*change);
    }
    EXPECT_EQ(tables.items[0], asLoaded);
}

TEST(ItemEditor, ChangesGoOnlyToTheShownItemWhileAnEntryIsChosen) {
    using State = ItemEditor::EditState;
    struct Case {
        const char* what;
        std::function<void(Items&)> act;
        State state;
        std::optional<std::size_t> shownRow;
    };
    const std::vector<Case> cases{
        {"nothing picked yet", [](Items&) {}, State::NoEntryChosen, std::nullopt},
        {"an entry without an item, nothing shown before", [](Items& t) { t.editor.PickEntry(std::nullopt); },
         State::NoItemShown, std::nullopt},
        {"an entry without an item keeps the item shown",
         [](Items& t) {
             t.editor.PickEntry(1);
             t.editor.PickEntry(std::nullopt);
         },
         State::Ready, 1u},
        {"a name number that is no integer keeps the item shown",
         [](Items& t) {
             t.editor.PickEntry(1);
             EXPECT_THROW(t.editor.PickEntry(2), ConvertError);
         },
         State::Ready, 1u},
        {"the names as they are at the pick count",
         [](Items& t) {
             t.names[0].number = "02";
             t.editor.PickEntry(0);
         },
         State::Ready, 1u},
        {"a new type leaves no entry chosen",
         [](Items& t) {
             t.editor.PickEntry(0);
             t.editor.ChooseType(kHelmet);
         },
         State::NoEntryChosen, 0u},
        {"the shown name number no longer in the table",
         [](Items& t) {
             t.editor.PickEntry(0);
             t.items[0][ItemField::NameNumber] = "9";
         },
         State::NoItemShown, std::nullopt},
    };
    for (const Case& test : cases) {
        Items tables;
        test.act(tables);
        EXPECT_EQ(tables.editor.editState(), test.state) << test.what;
        EXPECT_EQ(tables.editor.ShownRow(), test.shownRow) << test.what;
        if (test.state != State::Ready) {
            tables.editor.EditField(ItemField::Sell, "1");
            EXPECT_FALSE(tables.editor.SetCannotBuy(true)) << test.what;
            EXPECT_TRUE(tables.history.empty()) << test.what;
        }
    }
}

TEST(ItemEditor, AClassOtherThanKnightDropsAShieldChoice) {
    constexpr int kKnight = 1, kAll = 3, kShield = 6;
    const std::pair<int, int> steps[] = {{kKnight, kShield}, {kKnight, kShield}, {kAll, -1}};
    Items tables;
    tables.editor.ChooseClass(kKnight);
    tables.editor.ChooseType(kShield);
    for (const auto& [classPosition, type] : steps) {
        tables.editor.ChooseClass(classPosition);
        EXPECT_EQ(tables.editor.chosenType(), type) << classPosition;
        EXPECT_TRUE(tables.editor.ShieldOffered()) << classPosition;
    }
}
} // namespace
