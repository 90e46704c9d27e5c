// Find in the real window: Ctrl+F opens the field of the status line, and
// what is typed, Enter, F3 and Shift+F3 choose entries of the list in front
// as a click does, changing no record.
#include "support/AppFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <vector>

namespace {
template <typename Table> auto Records(const Table& table) {
    std::vector<std::decay_t<decltype(table[0])>> records;
    for (std::size_t position = 0; position < table.size(); ++position) {
        records.push_back(table[position]);
    }
    return records;
}

class FindTest : public AppFixture {
  protected:
    // Brings the page to the front and loads its file, and the names file when one is given.
    void load(const QString& page, const QString& button, const QString& file, const QString& names = {}) {
        auto* pages = control<QTabWidget>(page == "TabSheet12" ? "PageControl2" : "PageControl1");
        pages->setCurrentWidget(pages->findChild<QWidget*>(page));
        dialogs.then(DialogDriver::chooseFile(file));
        if (!names.isEmpty()) {
            dialogs.then(DialogDriver::press("&Yes"));
            dialogs.then(DialogDriver::chooseFile(names));
        }
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    // Ctrl+F, then the text typed.
    void find(const QString& text) {
        // The file dialogs of a load leave the main window inactive offscreen.
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return form1->isActiveWindow(); }));
        QTest::keyClick(form1.get(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(field()->isVisible());
        field()->clear();
        QTest::keyClicks(field(), text);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(field(), key, modifiers);
    }
    // Each key in turn, and where the list stands after it, as `at` tells.
    template <typename At>
    void steps(At at, std::initializer_list<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> keys) {
        for (const auto& [key, modifiers, expected] : keys) {
            this->key(key, modifiers);
            EXPECT_EQ(at(), expected) << QKeySequence(key | modifiers).toString().toStdString();
        }
    }

    QLineEdit* field() const { return control<QLineEdit>("FindEdit"); }
    bool red() const {
        return field()->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base);
    }
    int row(const QString& list) const { return control<QListWidget>(list)->currentRow(); }
    int value(const QString& spin) const { return control<QSpinBox>(spin)->value(); }
};

TEST_F(FindTest, MonsterListByNameAndIndex) {
    load("TabSheet4", "Button2", dataFile("monsters-sample", "InitMonster.txt"),
         dataFile("monsters-sample", "MonsterName.txt"));
    const auto before = Records(workspace().monsters);
    find("T"); // Giant Rat and Marsh Toad
    EXPECT_EQ(control<QLabel>("Label8")->text(), "Giant Rat");
    steps([this] { return row("ListBox2"); }, {{Qt::Key_F3, Qt::NoModifier, 3},
                                               {Qt::Key_Return, Qt::NoModifier, 0},
                                               {Qt::Key_F3, Qt::ShiftModifier, 3}});
    find("3"); // no name contains it: Cave Spider's index
    EXPECT_EQ(row("ListBox2"), 2);
    EXPECT_FALSE(red());
    find("dragon");
    EXPECT_EQ(row("ListBox2"), 2);
    EXPECT_TRUE(red());
    EXPECT_EQ(form1->statusText(), "No match for \"dragon\"");
    key(Qt::Key_Escape);
    EXPECT_FALSE(field()->isVisible());
    EXPECT_EQ(Records(workspace().monsters), before);
}

TEST_F(FindTest, SpawnListsFindInTheListLastFocused) {
    load("TabSheet9", "Button1", dataFile("maps-viewer", "GenMonster.txt"),
         dataFile("maps-viewer", "MonsterName.txt"));
    const auto before = Records(workspace().spawns);
    find("2"); // no list had the focus: the monster list, Hill Goblin's index
    EXPECT_EQ(row("ListBox3"), 1);
    find("RAT");
    steps([this] { return row("ListBox3"); }, {{Qt::Key_F3, Qt::NoModifier, 0}}); // the only match, again

    control<QListWidget>("ListBox4")->setFocus(); // areas 7, 9 and 11 of Giant Rat
    find("9");
    EXPECT_EQ(row("ListBox4"), 1);
    EXPECT_EQ(value("SpinEdit6"), 3); // its max
    find("1");
    EXPECT_EQ(row("ListBox4"), 2);
    find("8"); // Hill Goblin's area
    EXPECT_TRUE(red());
    EXPECT_EQ(row("ListBox3"), 0);
    EXPECT_EQ(Records(workspace().spawns), before);
}

TEST_F(FindTest, PortalListByTextOnly) {
    load("TabSheet12", "letc", dataFile("portals-sample", "Etc.txt"));
    const auto before = Records(workspace().portals);
    find("GATE"); // lines 0 and 2, from maps 3 and 1
    EXPECT_EQ(value("SpinEdit17"), 3);
    steps([this] { return value("SpinEdit17"); }, {{Qt::Key_F3, Qt::NoModifier, 1},
                                                   {Qt::Key_F3, Qt::NoModifier, 3},
                                                   {Qt::Key_F3, Qt::ShiftModifier, 1}});
    find("fair"); // an event, not a portal
    EXPECT_TRUE(red());
    EXPECT_EQ(Records(workspace().portals), before);
}

TEST_F(FindTest, ItemListByNameAndIndex) {
    load("TabSheet2", "Button5", dataFile("items-sample", "InitItem.txt"),
         dataFile("items-sample", "ItemName.txt"));
    control<QComboBox>("ComboBox1")->setCurrentIndex(3); // "all"
    control<QComboBox>("ComboBox2")->setCurrentIndex(0); // "Helmet"
    auto* items = control<QComboBox>("ComboBox3");
    const auto before = Records(workspace().items);
    find("cap");
    // Ranger, Guard and Sage Cap, Common Cap twice, then two entries without a name.
    steps([items] { return items->currentIndex(); }, {{Qt::Key_F3, Qt::ShiftModifier, 4},
                                                      {Qt::Key_F3, Qt::NoModifier, 0},
                                                      {Qt::Key_F3, Qt::NoModifier, 1}});
    find("1016");
    EXPECT_EQ(control<QLabel>("Label4")->text(), "Sage Cap");
    find("sword");
    EXPECT_TRUE(red());
    EXPECT_EQ(Records(workspace().items), before);
}
} // namespace
