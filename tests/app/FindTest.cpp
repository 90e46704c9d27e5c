// Find in the real window, on each list: entries chosen as a click chooses them, no record changed.
#include "support/AppFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <array>

namespace {
template <typename Table> auto Records(const Table& table) {
    std::vector<std::decay_t<decltype(table[0])>> records;
    for (std::size_t position = 0; position < table.size(); ++position) {
        records.push_back(table[position]);
    }
    return records;
}

struct ListCase {
    const char* name;
    QString page, button, folder, file, names, list;
    QString typed;
    std::array<int, 4> rows; // after typing, F3, Enter, Shift+F3
    QString again;           // typed anew: the entry of this row, showing this text in this control
    int againRow;
    QString shownIn, shown;
    QString none;
};

class FindTest : public AppFixture, public testing::WithParamInterface<ListCase> {
  protected:
    void load(const ListCase& c) {
        auto* pages = control<QTabWidget>(c.page == "TabSheet12" ? "PageControl2" : "PageControl1");
        pages->setCurrentWidget(pages->findChild<QWidget*>(c.page));
        dialogs.then(DialogDriver::chooseFile(dataFile(c.folder, c.file)));
        if (!c.names.isEmpty()) {
            dialogs.then(DialogDriver::press("&Yes"));
            dialogs.then(DialogDriver::chooseFile(dataFile(c.folder, c.names)));
        }
        QTest::mouseClick(control<QPushButton>(c.button), Qt::LeftButton);
    }
    void find(const QString& text) {
        // The file dialogs of a load leave the main window inactive offscreen.
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return form1->isActiveWindow(); }));
        QTest::keyClick(form1.get(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(field()->isVisible());
        field()->clear();
        QTest::keyClicks(field(), text);
    }
    QLineEdit* field() const { return control<QLineEdit>("FindEdit"); }
    bool red() const {
        return field()->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base);
    }
    int row(const QString& list) const {
        auto* entries = form1->findChild<QComboBox*>(list);
        return entries ? entries->currentIndex() : control<QListWidget>(list)->currentRow();
    }
    auto records() {
        return std::tuple(Records(workspace().monsters), Records(workspace().spawns),
                          Records(workspace().portals), Records(workspace().items));
    }
};

TEST_P(FindTest, FindsNextPreviousRoundTheEndsAndTellsNoMatch) {
    const ListCase& c = GetParam();
    load(c);
    if (c.list == "ListBox4") { // the areas of Giant Rat: 7, 9, 11
        control<QListWidget>("ListBox3")->setCurrentRow(0);
        control<QListWidget>("ListBox4")->setFocus();
    } else if (c.list == "ComboBox3") {
        control<QComboBox>("ComboBox1")->setCurrentIndex(3); // "all"
        control<QComboBox>("ComboBox2")->setCurrentIndex(0); // "Helmet"
    }
    const auto before = records();

    find(c.typed);
    EXPECT_EQ(row(c.list), c.rows[0]);
    for (const auto& [key, modifiers, expected] : {std::tuple{Qt::Key_F3, Qt::NoModifier, c.rows[1]},
                                                   {Qt::Key_Return, Qt::NoModifier, c.rows[2]},
                                                   {Qt::Key_F3, Qt::ShiftModifier, c.rows[3]}}) {
        QTest::keyClick(field(), key, modifiers);
        EXPECT_EQ(row(c.list), expected) << QKeySequence(key | modifiers).toString().toStdString();
    }
    find(c.again);
    EXPECT_EQ(row(c.list), c.againRow);
    EXPECT_EQ(control<QWidget>(c.shownIn)->property(c.shownIn == "ListBox4" ? "count" : "text").toString(),
              c.shown);
    EXPECT_FALSE(red());

    find(c.none); // no entry has even its first letter
    EXPECT_EQ(row(c.list), c.againRow);
    EXPECT_TRUE(red());
    EXPECT_EQ(form1->statusText(), QStringLiteral("No match for \"%1\"").arg(c.none));
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(field()->isVisible());
    EXPECT_EQ(records(), before);
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lists, FindTest, testing::Values(
    // Giant Rat and Marsh Toad have a "t"; no name has a "3", Cave Spider's index.
    ListCase{"Monsters", "TabSheet4", "Button2", "monsters-sample", "InitMonster.txt", "MonsterName.txt",
             "ListBox2", "T", {0, 3, 0, 3}, "3", 2, "Label8", "Cave Spider", "Wyvern"},
    // Giant Rat and Cave Spider have an "r"; Hill Goblin's index is 2, its areas one.
    ListCase{"SpawnMonsters", "TabSheet9", "Button1", "maps-viewer", "GenMonster.txt", "MonsterName.txt",
             "ListBox3", "R", {0, 2, 0, 2}, "2", 1, "ListBox4", "1", "Wyvern"},
    // Only area 11 has a "1"; area 9 holds at most 3; area 8 is Hill Goblin's.
    ListCase{"SpawnAreas", "TabSheet9", "Button1", "maps-viewer", "GenMonster.txt", "MonsterName.txt",
             "ListBox4", "1", {2, 2, 2, 2}, "9", 1, "SpinEdit6", "3", "8"},
    // Portals from map 3 and map 1 are gates; a portal has no index.
    ListCase{"Portals", "TabSheet12", "letc", "portals-sample", "Etc.txt", "", "ListBox5",
             "GATE", {0, 2, 0, 2}, "map:2", 2, "SpinEdit17", "1", "zone"},
    // Ranger, Guard and Sage Cap, Common Cap twice, two entries without a name; Sage Cap's index is 1016.
    ListCase{"Items", "TabSheet2", "Button5", "items-sample", "InitItem.txt", "ItemName.txt", "ComboBox3",
             "common", {3, 4, 3, 4}, "1016", 2, "Label4", "Sage Cap", "Wyvern"}),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });
// clang-format on
} // namespace
