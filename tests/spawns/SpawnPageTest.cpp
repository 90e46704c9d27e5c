#include "support/ListTexts.h"
#include "support/PageState.h"
#include "support/Places.h"
#include "support/ShellFixture.h"

#include "common/RadioGroup.h"
#include "monsters/MonsterNamesReader.h"
#include "records/Errors.h"
#include "records/FileBytes.h"
#include "spawns/SpawnPage.h"
#include "support/TableRecords.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {
const QString kFolder = QStringLiteral("spawns-page");

class SpawnPageTest : public ShellFixture {
  protected:
    template <typename T> T* pageControl(const QString& name) const { return control<T>(name); }

    SpawnPage& page() { return *page_; }
    SpawnTable& spawns() { return workspace->spawns; }

    void loadNames() {
        ParseMonsterNames(ReadWholeFile(dataFile(kFolder, "MonsterName.txt").toStdString()),
                          workspace->monsterNames);
        workspace->NamesLoaded = true;
    }

    void loadGenMonster(const QString& path) {
        shell.answerFile(path);
        page().loadGenMonster();
    }

    SpawnPage* page_ = new SpawnPage(shell, *workspace, &sheet);

    void clickArea(const QString& monster, const QString& area) {
        auto* monsters = pageControl<QListWidget>("ListBox3");
        monsters->setCurrentItem(monsters->findItems(monster, Qt::MatchExactly).value(0));
        auto* areas = pageControl<QListWidget>("ListBox4");
        areas->setCurrentItem(areas->findItems(area, Qt::MatchExactly).value(0));
    }

    QStringList items(const QString& list) const { return ListTexts(pageControl<QListWidget>(list)); }
};

TEST_F(SpawnPageTest, LoadListsMonstersAndTheirAreas) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    ASSERT_EQ(shell.fileDialogs().size(), 1u);
    const FakeShell::FileDialogUse& open = shell.fileDialogs()[0];
    EXPECT_EQ(open.dialog, FileDialog::OpenDialog3);
    EXPECT_EQ(open.settings.title, "Select GenMonster");
    EXPECT_TRUE(open.settings.filter.value_or("").startsWith("GenMonster|GenMonster.txt|"));
    EXPECT_EQ(shell.statusText(), "GenMonster Loaded!");
    EXPECT_TRUE(workspace->GenMonsterLoaded);
    EXPECT_EQ(items("ListBox3"), (QStringList{"Giant Rat", "Hill Goblin", "Cave Spider"}));
    clickArea("Giant Rat", "7");
    EXPECT_EQ(items("ListBox4"), (QStringList{"7", "9", "11"}));
    EXPECT_TRUE(shell.messages().isEmpty());
}

TEST_F(SpawnPageTest, ALoadEmptiesThePageUntilAnAreaIsChosen) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    const std::vector<std::string> empty = PageState(sheet);
    clickArea("Giant Rat", "9");
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    EXPECT_EQ(PageState(sheet), empty);
}

TEST_F(SpawnPageTest, ShowingASpawnPointFillsWorldUnitsAndGreysTheSecondCorner) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    clickArea("Hill Goblin", "8");
    EXPECT_EQ(pageControl<QLabel>("Label35")->text(), "Hill Goblin");
    EXPECT_EQ(pageControl<QSpinBox>("SpinEdit12")->value(), 3);
    EXPECT_EQ(pageControl<QSpinBox>("SpinEdit6")->value(), 2);
    EXPECT_EQ(pageControl<QSpinBox>("SpinEdit7")->value(), 60);
    EXPECT_EQ(pageControl<RadioGroup>("RadioGroup4")->itemIndex(), 0);
    EXPECT_FALSE(pageControl<QSpinBox>("SpinEdit10")->isEnabled());
    EXPECT_FALSE(pageControl<QSpinBox>("SpinEdit11")->isEnabled());
    EXPECT_EQ(pageControl<QSpinBox>("SpinEdit8")->value(), 224000);
    EXPECT_EQ(pageControl<QSpinBox>("SpinEdit9")->value(), 288000);
    QStringList labels;
    for (const char* name : {"Label20", "Label21", "Label22", "Label23"}) {
        labels << pageControl<QLabel>(name)->text();
    }
    EXPECT_EQ(labels, (QStringList{"7000", "9000", "7000", "9000"}));
    EXPECT_TRUE(pageControl<QCheckBox>("CheckBox13")->isChecked());
    // Showing a spawn never edits it.
    EXPECT_EQ(RecordAt(spawns(), 1)[SpawnField::Max], "2");

    clickArea("Giant Rat", "9");
    EXPECT_EQ(pageControl<RadioGroup>("RadioGroup4")->itemIndex(), 1);
    EXPECT_TRUE(pageControl<QSpinBox>("SpinEdit11")->isEnabled());
}

TEST_F(SpawnPageTest, EveryChangeStoresAllSevenValues) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    clickArea("Hill Goblin", "8");
    pageControl<QSpinBox>("SpinEdit6")->setValue(8);
    const SpawnRecord& record = RecordAt(spawns(), 1);
    EXPECT_EQ(record[SpawnField::Max], "8");
    EXPECT_EQ(record[SpawnField::X1], "7000");
    EXPECT_EQ(record[SpawnField::Y2], "9000");

    auto* x1 = pageControl<QSpinBox>("SpinEdit8");
    x1->clear();
    QTest::keyClicks(x1, "224031");
    EXPECT_EQ(record[SpawnField::X1], "7000");
    x1->setValue(-33);
    EXPECT_EQ(record[SpawnField::X1], "-1");
    // The map-unit labels keep the values of the moment the spawn was shown.
    EXPECT_EQ(pageControl<QLabel>("Label20")->text(), "7000");

    pageControl<QCheckBox>("CheckBox13")->setChecked(false);
    EXPECT_EQ(record[SpawnField::Commented], "1");
    pageControl<QCheckBox>("CheckBox13")->setChecked(true);
    EXPECT_EQ(record[SpawnField::Commented], "0");
}

// Area 10 is the one spawn of "Cave Spider"; every field it shows differs from area 8's.
TEST_F(SpawnPageTest, AValueThatIsNoNumberLeavesTheFieldsFilledUpToItAndEditsUnstored) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    const auto shown = [this] {
        QStringList values{pageControl<QCheckBox>("CheckBox13")->isChecked() ? "ticked" : "clear",
                           pageControl<QLabel>("Label35")->text()};
        for (const char* spin : {"SpinEdit12", "SpinEdit6", "SpinEdit7"}) {
            values << QString::number(pageControl<QSpinBox>(spin)->value());
        }
        values << QString::number(pageControl<RadioGroup>("RadioGroup4")->itemIndex());
        for (const char* corner : {"SpinEdit8", "SpinEdit9", "SpinEdit10", "SpinEdit11"}) {
            values << QString::number(pageControl<QSpinBox>(corner)->value());
        }
        for (const char* label : {"Label20", "Label21", "Label22", "Label23"}) {
            values << pageControl<QLabel>(label)->text();
        }
        return values;
    };
    clickArea("Hill Goblin", "8");
    const QStringList point = shown();
    clickArea("Cave Spider", "10");
    const QStringList area10 = shown();
    ASSERT_EQ(area10, (QStringList{"clear", "Cave Spider", "1", "1", "600", "1", "3200", "6400", "3328",
                                   "7680", "100", "200", "104", "240"}));

    // The fields filled before the value that is not a number.
    struct Case {
        SpawnField field;
        qsizetype filled;
    };
    for (const Case c : {Case{SpawnField::Index, 1}, Case{SpawnField::Map, 2}, Case{SpawnField::Max, 3},
                         Case{SpawnField::Cycle, 4}, Case{SpawnField::X1, 6}, Case{SpawnField::Y1, 7},
                         Case{SpawnField::X2, 8}, Case{SpawnField::Y2, 9}}) {
        clickArea("Hill Goblin", "8");
        const qsizetype boxes = shell.messages().size();
        SpawnRecord& record = RecordAt(spawns(), 3);
        const SpawnRecord stored = record;
        record[c.field] = "1x";
        const SpawnRecord failing = record;
        clickArea("Cave Spider", "10");
        EXPECT_EQ(shown(), area10.mid(0, c.filled) + point.mid(c.filled)) << static_cast<int>(c.field);
        EXPECT_EQ(shell.messages().mid(boxes),
                  QStringList{"Brennick v1.14a: '1x' is not a valid integer value"})
            << static_cast<int>(c.field);
        // Until a spawn shows whole, edits are not stored.
        pageControl<QSpinBox>("SpinEdit6")->setValue(77);
        pageControl<QCheckBox>("CheckBox13")->setChecked(true);
        EXPECT_EQ(record, failing) << static_cast<int>(c.field);
        record = stored;
    }
}

// A click shows the spawn once, whether it makes the area current or it was already.
TEST_F(SpawnPageTest, EachClickOrKeyOnAnAreaThatIsNoNumberShowsOneErrorBox) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    RecordAt(spawns(), 0)[SpawnField::Max] = "five";
    RecordAt(spawns(), 2)[SpawnField::Cycle] = "ten";
    clickArea("Giant Rat", "11");
    auto* areas = pageControl<QListWidget>("ListBox4");
    const auto click = [areas](int row) {
        QTest::mouseClick(areas->viewport(), Qt::LeftButton, {},
                          areas->visualItemRect(areas->item(row)).center());
    };
    click(0);
    EXPECT_EQ(shell.messages(), QStringList{"Brennick v1.14a: 'five' is not a valid integer value"});
    click(0);
    EXPECT_EQ(shell.messages().size(), 2);
    QTest::keyClick(areas, Qt::Key_Down);
    EXPECT_EQ(shell.messages().size(), 3);
    EXPECT_EQ(shell.messages().last(), "Brennick v1.14a: 'ten' is not a valid integer value");
}

// A spawn added after the loaded ones is listed and shown as if the file had been loaded again.
TEST_F(SpawnPageTest, AnAddedSpawnIsListedWithItsMonsterAndAreaChosen) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    clickArea("Giant Rat", "9");
    RecordAt(spawns(), 5) = {{"0", "2", "0", "12", "6", "90", "7000", "10000", "7100", "10100"}, {}};
    page().showAddedSpawn(5);
    auto* monsters = pageControl<QListWidget>("ListBox3");
    auto* areas = pageControl<QListWidget>("ListBox4");
    EXPECT_EQ(items("ListBox3"), (QStringList{"Giant Rat", "Hill Goblin", "Cave Spider"}));
    EXPECT_EQ(monsters->currentItem()->text(), "Hill Goblin");
    EXPECT_EQ(items("ListBox4"), (QStringList{"8", "12"}));
    EXPECT_EQ(areas->currentItem()->text(), "12");
    ASSERT_EQ(areas->selectedItems().size(), 1);
    EXPECT_EQ(areas->selectedItems().first()->text(), "12");
    EXPECT_EQ(pageControl<QSpinBox>("SpinEdit6")->value(), 6);
    EXPECT_EQ(pageControl<QLabel>("Label35")->text(), "Hill Goblin");
    EXPECT_TRUE(shell.messages().isEmpty());
    EXPECT_EQ(RecordAt(spawns(), 5)[SpawnField::Max], "6");

    QSignalSpy shown(&page(), &SpawnPage::areasToShow);
    page().showSelectedAreas();
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.first().first().value<std::vector<std::string>>(), std::vector<std::string>{"12"});
}

TEST_F(SpawnPageTest, SaveWritesTheLoadedAndEditedSpawns) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    clickArea("Giant Rat", "11");
    pageControl<QCheckBox>("CheckBox13")->setChecked(false);
    pageControl<QSpinBox>("SpinEdit7")->setValue(45);

    const QString path = scratchFile("GenMonster.txt");
    shell.answerFile(path);
    page().saveGenMonster();
    EXPECT_EQ(readBytes(path),
              "(genmonster (index 1) (map 0) (area 7) (max 5) (cycle 300) (rect 7000 10000 7100 10100))\r\n"
              "(genmonster (index 2) (map 3) (area 8) (max 2) (cycle 60) (rect 7000 9000 7000 9000))\r\n"
              "(genmonster (index 1) (map 0) (area 9) (max 3) (cycle 120) (rect 7200 9800 7300 9900))\r\n"
              ";(genmonster (index 3) (map 1) (area 10) (max 1) (cycle 600) (rect 100 200 104 240))\r\n"
              ";(genmonster (index 1) (map 1) (area 11) (max 4) (cycle 45) (rect 100 200 300 400))\r\n");
    EXPECT_EQ(shell.fileDialogs().back().dialog, FileDialog::SaveDialog2);
    EXPECT_EQ(shell.statusText(), "GenMonster saved! in: " + path);

    // Saving again without edits gives the same bytes.
    const std::string first = readBytes(path);
    loadGenMonster(path);
    const QString again = scratchFile("again.txt");
    shell.answerFile(again);
    page().saveGenMonster();
    EXPECT_EQ(shell.pendingAnswers(), 0);
    EXPECT_EQ(shell.fileDialogs().size(), 4u);
    EXPECT_EQ(shell.statusText(), "GenMonster saved! in: " + again);
    EXPECT_EQ(readBytes(again), first);
}

TEST_F(SpawnPageTest, CancelledDialogsChangeNothing) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    shell.cancelFile();
    page().loadGenMonster();
    EXPECT_EQ(shell.statusText(), "GenMonster NOT Loaded!");
    EXPECT_EQ(RecordAt(spawns(), 4)[SpawnField::Area], "11");

    // A cancelled save posts the status line's text again, so that it is cleared three seconds later.
    shell.cancelFile();
    page().saveGenMonster();
    EXPECT_EQ(shell.statusPosts().mid(shell.statusPosts().size() - 2),
              (QStringList{"GenMonster NOT Loaded!", "GenMonster NOT Loaded!"}));
}

TEST_F(SpawnPageTest, MissingFileFailsAndKeepsTheTable) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    shell.answerFile(scratchFile("absent.txt"));
    try {
        page().loadGenMonster();
        ADD_FAILURE() << "no failure";
    } catch (const InOutError& error) {
        EXPECT_EQ(QString(error.what()),
                  "Cannot open file \"" + scratchFile("absent.txt") + "\". File not found");
    }
    EXPECT_EQ(RecordAt(spawns(), 0)[SpawnField::Area], "7");
}

TEST_F(SpawnPageTest, AskingForNamesAndAnsweringNoLeavesTheMonsterListEmpty) {
    int wanted = 0;
    QObject::connect(&page(), &SpawnPage::monsterNamesWanted, [&wanted](bool&) { ++wanted; });
    shell.answerFile(dataFile(kFolder, "GenMonster.txt"));
    shell.answerConfirm(false);
    page().loadGenMonster();
    EXPECT_EQ(shell.messages(), QStringList{"Confirm: Do you want to load Monsters Name?"});
    EXPECT_EQ(wanted, 0);
    EXPECT_TRUE(items("ListBox3").isEmpty());
    EXPECT_TRUE(page().editor().monsterList().empty());
}

// "&Yes" asks for the names; the monster list is built once their load ran to its end.
TEST_F(SpawnPageTest, WantedNamesBuildTheListOnlyWhenTheirLoadFinished) {
    for (const bool finishes : {false, true}) {
        const auto connection =
            QObject::connect(&page(), &SpawnPage::monsterNamesWanted, [&](bool& finished) {
                loadNames();
                finished = finishes;
            });
        workspace->NamesLoaded = false;
        shell.answerFile(dataFile(kFolder, "GenMonster.txt"));
        shell.answerConfirm(true);
        page().loadGenMonster();
        QObject::disconnect(connection);
        EXPECT_EQ(items("ListBox3").size(), finishes ? 3 : 0) << finishes;
    }
    EXPECT_EQ(shell.pendingAnswers(), 0);
}

TEST_F(SpawnPageTest, ASpawnWithoutIndexIsReportedNamingTheFileAndKept) {
    loadNames();
    std::string bytes;
    for (int i = 0; i < 3600; ++i) {
        bytes += "(genmonster (index " + std::string(i == 3500 ? "" : "1") + ") (map 0) (area " +
                 std::to_string(i) + ") (max 1) (cycle 1) (rect 1 1 1 1))\r\n";
    }
    const QString path = scratchFile("big.txt");
    writeBytes(path, bytes);
    loadGenMonster(path);
    EXPECT_EQ(shell.messages(), QStringList{"Warning: big.txt: spawn 3501 (line 3501) has no index."});
    EXPECT_EQ(items("ListBox3"), (QStringList{"Giant Rat", ""}));
    clickArea("", "3500");
    EXPECT_EQ(items("ListBox4"), QStringList{"3500"});
    EXPECT_EQ(pageControl<QLabel>("Label35")->text(), "");
    EXPECT_EQ(shell.messages().size(), 1);
    EXPECT_EQ(RecordAt(spawns(), 3599)[SpawnField::Area], "3599");
    EXPECT_EQ(shell.statusText(), "GenMonster Loaded!");
}

TEST_F(SpawnPageTest, ButtonsWarnWhenTheirPreconditionsAreMissing) {
    QSignalSpy areas(&page(), &SpawnPage::areasToShow);
    QSignalSpy addSpawn(&page(), &SpawnPage::addSpawnWanted);
    page().showSelectedAreas();
    page().openAddSpawnDialog();
    EXPECT_EQ(shell.messages(), (QStringList{"Warning: Please select Area",
                                             "Warning: Please load GenMonster and Monsters name"}));
    EXPECT_EQ(areas.count(), 0);
    EXPECT_EQ(addSpawn.count(), 0);

    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    page().openAddSpawnDialog();
    EXPECT_EQ(addSpawn.count(), 1);
}

TEST_F(SpawnPageTest, ShowAreaSendsTheSelectedAreasInListOrder) {
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    clickArea("Giant Rat", "11");
    auto* areas = pageControl<QListWidget>("ListBox4");
    areas->setCurrentRow(0, QItemSelectionModel::Select);
    QSignalSpy shown(&page(), &SpawnPage::areasToShow);
    page().showSelectedAreas();
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.first().first().value<std::vector<std::string>>(), (std::vector<std::string>{"7", "11"}));
}

// The page's own layout, but for "Save GenMonster" and "Type of spawn", whose captions it would cut.
TEST_F(SpawnPageTest, ControlsStandWhereThePageLayoutPutsThem) {
    ExpectPlaces(&sheet, {{"Label18", QRect(0, 0, 0, 0)},          {"ListBox3", QRect(0, 16, 201, 193)},
                          {"Label19", QRect(208, 0, 0, 0)},        {"ListBox4", QRect(208, 16, 121, 193)},
                          {"mapa", QRect(336, 16, 41, 193)},       {"Label35", QRect(16, 216, 337, 13)},
                          {"Label24", QRect(8, 245, 0, 0)},        {"SpinEdit12", QRect(32, 240, 41, 22)},
                          {"Label13", QRect(87, 240, 0, 0)},       {"SpinEdit6", QRect(144, 240, 49, 22)},
                          {"Label14", QRect(200, 245, 0, 0)},      {"SpinEdit7", QRect(232, 240, 49, 22)},
                          {"CheckBox13", QRect(295, 242, 65, 17)}, {"GroupBox15", QRect(0, 264, 369, 121)},
                          {"RadioGroup4", QRect(8, 16, 345, 36)},  {"Label12", QRect(8, 56, 0, 0)},
                          {"SpinEdit8", QRect(8, 72, 81, 22)},     {"SpinEdit9", QRect(96, 72, 81, 22)},
                          {"SpinEdit10", QRect(192, 72, 81, 22)},  {"SpinEdit11", QRect(280, 72, 81, 22)},
                          {"Label23", QRect(280, 96, 0, 0)},       {"Button1", QRect(0, 392, 105, 17)},
                          {"ans", QRect(136, 392, 97, 17)},        {"SGM", QRect(272, 392, 106, 17)}});
}

TEST_F(SpawnPageTest, CaptionsAreWholeAndControlsStayOnThePage) {
    for (QWidget* widget : sheet.findChildren<QWidget*>()) {
        if (widget->parentWidget() == &sheet) {
            EXPECT_LE(widget->geometry().right(), 381) << widget->objectName().toStdString();
            EXPECT_LE(widget->geometry().bottom(), 417) << widget->objectName().toStdString();
        }
        const QFontMetrics metrics(widget->font());
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString();
        } else if (auto* button = qobject_cast<QPushButton*>(widget);
                   button && button->objectName() != "mapa") {
            EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width())
                << button->objectName().toStdString();
        }
    }
    loadNames();
    loadGenMonster(dataFile(kFolder, "GenMonster.txt"));
    clickArea("Giant Rat", "7");
    sheet.resize(386, 418);
    sheet.grab().save(QStringLiteral(BRENNICK_SCREENSHOTS "/spawn-page.png"));
}
} // namespace
