// What one page or window asks of another goes through the main window's
// wiring: these tests drive the real program's windows and answer their real
// boxes and file dialogs.
#include "support/AppFixture.h"
#include "support/Hover.h"
#include "support/ListTexts.h"

#include "common/RadioGroup.h"
#include "common/SpinEdit.h"
#include "maps/AreaViewer.h"
#include "maps/MarkerShape.h"
#include "monsters/MonsterSlots.h"
#include "support/TableRecords.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
class WindowsTalkTest : public AppFixture {
  protected:
    void click(QWidget* root, const QString& button) {
        QTest::mouseClick(FindControl<QPushButton>(root, button), Qt::LeftButton);
    }
    void click(const QString& button) { click(form1.get(), button); }

    void picture(const QString& name) {
        QImage image(512, 512, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 180));
        QDir(scratch.path()).mkpath("map");
        ASSERT_TRUE(image.save(scratch.filePath(name), "BMP"));
    }

    // GenMonster.txt of the viewer case loaded with names, its own unless others are given,
    // and the first monster chosen.
    void loadSpawns(const QString& names = dataFile("maps-viewer", "MonsterName.txt"),
                    const QString& spawns = dataFile("maps-viewer", "GenMonster.txt")) {
        dialogs.then(DialogDriver::chooseFile(spawns));
        dialogs.then(DialogDriver::press("&Yes"));
        dialogs.then(DialogDriver::chooseFile(names));
        click("Button1");
        control<QListWidget>("ListBox3")->setCurrentRow(0);
    }

    QStringList items(const QString& list) const { return ListTexts(control<QListWidget>(list)); }
};

TEST_F(WindowsTalkTest, GenMonsterLoadHasTheMonsterPageLoadTheNames) {
    dialogs.then(DialogDriver::chooseFile(dataFile("monsters-sample", "InitMonster.txt")));
    dialogs.then(DialogDriver::press("&No"));
    click("Button2");
    ASSERT_EQ(control<QListWidget>("ListBox2")->count(), 0);

    loadSpawns();
    EXPECT_EQ(dialogs.fileDialogTitles(),
              (QStringList{"Select InitMonster", "Select GenMonster", "Select file with monsters name"}));
    EXPECT_EQ(form1->statusText(), "Monsters Name Loaded!");
    EXPECT_TRUE(workspace().NamesLoaded);
    // The monster page listed its monsters with the names, and the spawn page its own.
    EXPECT_EQ(items("ListBox2"), (QStringList{"Giant Rat", "Hill Goblin", "Cave Spider", ""}));
    EXPECT_EQ(items("ListBox3"), (QStringList{"Giant Rat", "Hill Goblin", "Cave Spider"}));
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

TEST_F(WindowsTalkTest, AFailedNamesLoadEndsTheGenMonsterLoad) {
    // The monster list the names load refreshes cannot be built: its first index is no number.
    RecordAt(workspace().monsters, 0)[MonsterSlot::Name] = "1";
    RecordAt(workspace().monsters, 0)[MonsterSlot::Index] = "x";
    dialogs.then(DialogDriver::chooseFile(dataFile("maps-viewer", "GenMonster.txt")));
    dialogs.then(DialogDriver::press("&Yes"));
    dialogs.then(DialogDriver::chooseFile(dataFile("maps-viewer", "MonsterName.txt")));
    dialogs.then(DialogDriver::press("OK"));
    click("Button1");
    EXPECT_EQ(dialogs.messages(), (QStringList{"Confirm: Do you want to load Monsters Name?",
                                               "Brennick v1.14a: 'x' is not a valid integer value"}));
    EXPECT_TRUE(workspace().NamesLoaded);
    EXPECT_TRUE(items("ListBox3").isEmpty());

    // With the names there, the next load lists the monsters without asking.
    dialogs.then(DialogDriver::chooseFile(dataFile("maps-viewer", "GenMonster.txt")));
    click("Button1");
    EXPECT_EQ(items("ListBox3"), (QStringList{"Giant Rat", "Hill Goblin", "Cave Spider"}));
    EXPECT_EQ(dialogs.pendingAnswers(), 0);
}

TEST_F(WindowsTalkTest, ShowAreaDrawsInTheViewerAndItsFailuresShowTheErrorBox) {
    picture("map/0.bmp");
    loadSpawns();
    auto* areas = control<QListWidget>("ListBox4");
    areas->setCurrentRow(0);
    click("mapa");
    auto* viewer = window<QWidget>("Form3");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(FindControl<QWidget>(viewer, "area7")->isVisible());

    RecordAt(workspace().spawns, 0)[SpawnField::Map] = "2";
    dialogs.then(DialogDriver::press("OK"));
    click("mapa");
    EXPECT_EQ(dialogs.messages().last(),
              "Brennick v1.14a: Cannot open file \"" + scratch.filePath("map/2.bmp") + "\". File not found");
    EXPECT_EQ(dialogs.pendingAnswers(), 0);
}

// Area 5 is placed by a point, area 6 by a rect of that point's corners, area 7 by neither.
TEST_F(WindowsTalkTest, ASpawnPlacedByAPointIsShownEditedDrawnAndSavedWithoutAnErrorBox) {
    picture("map/0.bmp");
    const std::string spawn = "(genmonster (index 1) (map 0) (area ";
    writeBytes(scratchFile("GenMonster.txt"), spawn + "5) (max 2) (cycle 60) (xy 7000 9800))\r\n" + spawn +
                                                  "6) (max 2) (cycle 60) (rect 7000 9800 7000 9800))\r\n" +
                                                  spawn + "7) (max 1) (cycle 1))\r\n");
    loadSpawns(dataFile("maps-viewer", "MonsterName.txt"), scratchFile("GenMonster.txt"));
    control<QListWidget>("ListBox4")->setCurrentRow(0);
    EXPECT_EQ(control<QSpinBox>("SpinEdit8")->text(), "");
    control<QSpinBox>("SpinEdit6")->setValue(8);
    control<QListWidget>("ListBox4")->selectAll();
    click("mapa");
    const AreaViewer* viewer = window<AreaViewer>("Form3");
    ASSERT_NE(viewer->marker("5"), nullptr);
    EXPECT_EQ(viewer->marker("5")->geometry(), viewer->marker("6")->geometry());
    EXPECT_EQ(viewer->marker("5")->kind(), viewer->marker("6")->kind());
    EXPECT_EQ(viewer->marker("7"), nullptr);

    dialogs.then(DialogDriver::chooseFile(scratchFile("saved.txt")));
    click("SGM");
    EXPECT_TRUE(readBytes(scratchFile("saved.txt"))
                    .starts_with(spawn + "5) (max 8) (cycle 60) (xy 7000 9800))\r\n" + spawn + "6)"));
    EXPECT_EQ(dialogs.messages(), QStringList{"Confirm: Do you want to load Monsters Name?"});
}

TEST_F(WindowsTalkTest, DragOnTheMinimapFillsTheAddSpawnDialogAndTheAddedSpawnIsShown) {
    picture("minimap_outworld.bmp");
    picture("map/0.bmp");
    loadSpawns();
    click("ans");
    auto* dialog = window<QWidget>("Form4");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(FindControl<QComboBox>(dialog, "ComboBox1")->count(), 3);
    FindControl<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
    FindControl<RadioGroup>(dialog, "RadioGroup4")->setItemIndex(1);
    dialogs.then(DialogDriver::press("OK"));
    click(dialog, "Button3");

    auto* viewer = window<QWidget>("Form3");
    QWidget* picture = FindControl<QWidget>(viewer, "Image1");
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(picture, QPoint(150, 260));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(150, 260));
    QList<int> values;
    QStringList labels;
    for (int i = 0; i < 4; ++i) {
        values << FindControl<QSpinBox>(dialog, QStringLiteral("SpinEdit%1").arg(8 + i))->value();
        labels << FindControl<QLabel>(dialog, QStringLiteral("Label%1").arg(2 + i))->text();
    }
    EXPECT_EQ(values, (QList<int>{219322, 311040, 222522, 314880}));
    EXPECT_EQ(labels, (QStringList{"6853", "9720", "6953", "9840"}));
    EXPECT_TRUE(dialog->isVisible());

    click(dialog, "Button1");
    const SpawnRecord& added = RecordAt(workspace().spawns, 5);
    EXPECT_EQ(
        (std::vector<std::string>{added[SpawnField::Index], added[SpawnField::Area], added[SpawnField::X1],
                                  added[SpawnField::Y1], added[SpawnField::X2], added[SpawnField::Y2]}),
        (std::vector<std::string>{"2", "12", "6853", "9720", "6953", "9840"}));
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_FALSE(dialog->isVisible());

    // The spawn page lists the new spawn with its monster and area chosen, without asking for names.
    EXPECT_EQ(form1->statusText(), "Spawn added: area 12");
    EXPECT_EQ(control<QListWidget>("ListBox3")->currentItem()->text(), "Hill Goblin");
    EXPECT_EQ(items("ListBox4"), (QStringList{"8", "12"}));
    EXPECT_EQ(control<QListWidget>("ListBox4")->currentItem()->text(), "12");
    click("mapa");
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(FindControl<QWidget>(viewer, "area12")->isVisible());
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

// The names file decides how names are shown: UTF-8 names read the same on the
// spawn page, in the viewer and in the add-spawn dialog, which adds by them.
TEST_F(WindowsTalkTest, Utf8MonsterNamesShowWithTheSpawnsAndAddByName) {
    const QString epee = QString::fromUtf8("\xC3\x89p\xC3\xA9\x65");
    picture("map/0.bmp");
    loadSpawns(dataFile("spawns-utf8", "MonsterName.txt"));
    EXPECT_EQ(items("ListBox3"), (QStringList{epee, "Hill Goblin", "Cave Spider"}));
    control<QListWidget>("ListBox4")->setCurrentRow(0);
    EXPECT_EQ(control<QLabel>("Label35")->text(), epee);

    click("mapa");
    auto* viewer = window<AreaViewer>("Form3");
    Hover(viewer->marker("7"), QPoint(5, 5));
    EXPECT_EQ(FindControl<QLabel>(viewer, "Label1")->text(), epee + "  area: 7");

    click("ans");
    auto* dialog = window<QWidget>("Form4");
    auto* monsters = FindControl<QComboBox>(dialog, "ComboBox1");
    EXPECT_EQ(monsters->itemText(0), epee);
    monsters->setCurrentIndex(monsters->findText(epee));
    click(dialog, "Button1");
    EXPECT_EQ(RecordAt(workspace().spawns, 5)[SpawnField::Index], "1");
    EXPECT_EQ(form1->statusText(), "Spawn added: area 12");
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

TEST_F(WindowsTalkTest, AddedPortalIsListedOnThePortalPage) {
    click("addnewportal");
    auto* dialog = window<QWidget>("Form6");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    FindControl<QSpinBox>(dialog, "SpinEdit17")->setValue(3);
    FindControl<QSpinBox>(dialog, "SpinEdit22")->setValue(5);
    FindControl<QLineEdit>(dialog, "Edit3")->setText(" gate");
    click(dialog, "Button1");
    EXPECT_EQ(items("ListBox5"), QStringList{"Portal from map: 3 to map:5   gate"});
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(WindowsTalkTest, ItemLoadsShowTheirRowsOnTheHiddenPageAndTheMenuLoadsNames) {
    dialogs.then(DialogDriver::chooseFile(dataFile("items-sample", "InitItem.txt")));
    dialogs.then(DialogDriver::press("&No"));
    click("Button5");
    EXPECT_EQ(control<QLabel>("ost_init")->text(), "30");
    EXPECT_EQ(control<QLabel>("ost_nazwa")->text(), "");

    dialogs.then(DialogDriver::chooseFile(dataFile("items-sample", "ItemName.txt")));
    form1->findChild<QAction*>("ItemName1")->trigger();
    EXPECT_EQ(control<QLabel>("ost_nazwa")->text(), "29");
    EXPECT_TRUE(control<QComboBox>("ComboBox1")->isEnabled());

    dialogs.then(DialogDriver::chooseFile(dataFile("monsters-sample", "MonsterName.txt")));
    form1->findChild<QAction*>("MonsterName1")->trigger();
    EXPECT_EQ(form1->statusText(), "Monsters Name Loaded!");
    EXPECT_TRUE(workspace().NamesLoaded);
    EXPECT_EQ(dialogs.fileDialogTitles(),
              (QStringList{"Select InitItem", "Select items name", "Select file with monsters name"}));
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}
} // namespace
