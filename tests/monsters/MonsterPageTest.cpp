#include "support/ListTexts.h"
#include "support/PageState.h"
#include "support/ShellFixture.h"

#include "common/FileHistory.h"
#include "common/RadioGroup.h"
#include "common/SpinEdit.h"
#include "monsters/MonsterPage.h"
#include "monsters/MonsterSlots.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {
using Slot = MonsterSlot;

class MonsterPageTest : public ShellFixture {
  protected:
    MonsterPage& page() { return *page_; }
    MonsterTable& table() { return workspace->monsters; }
    QListWidget* list() { return control<QListWidget>("ListBox2"); }
    static QString sample(const QString& file) { return dataFile("monsters-sample", file); }

    // Loads the sample InitMonster.txt and, when asked, its names.
    void loadSample(bool withNames) {
        shell.answerFile(sample("InitMonster.txt"));
        shell.answerConfirm(withNames);
        if (withNames) {
            shell.answerFile(sample("MonsterName.txt"));
        }
        page().loadInitMonster();
        ASSERT_EQ(shell.pendingAnswers(), 0);
    }

    void click(const QString& button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    MonsterPage* page_ = new MonsterPage(shell, *workspace, &sheet);

    void select(int row) {
        list()->setCurrentRow(row);
        ASSERT_EQ(list()->currentRow(), row);
    }

    QStringList items() { return ListTexts(list()); }
};

TEST_F(MonsterPageTest, LoadAsksForNamesAndListsTheMonsters) {
    loadSample(true);
    ASSERT_EQ(shell.fileDialogs().size(), 2u);
    EXPECT_EQ(shell.fileDialogs()[0].dialog, FileDialog::OpenDialog1);
    EXPECT_EQ(shell.fileDialogs()[1].dialog, FileDialog::OpenDialog2);
    EXPECT_EQ(shell.messages(), QStringList{"Confirm: Do you want to load Monsters Name?"});
    EXPECT_EQ(shell.statusPosts(), (QStringList{"InitMonster Loaded!", "Monsters Name Loaded!"}));
    EXPECT_TRUE(workspace->NamesLoaded);
    EXPECT_EQ(items(), (QStringList{"Giant Rat", "Hill Goblin", "Cave Spider", "Marsh Toad"}));
    EXPECT_EQ(table().LastMonsterIndex(), 3u);
    EXPECT_EQ(RecordAt(table(), 1)[Slot::Commented], "1");
}

TEST_F(MonsterPageTest, LoadWithoutNamesLeavesTheListAlone) {
    loadSample(false);
    EXPECT_EQ(shell.statusText(), "InitMonster Loaded!");
    EXPECT_FALSE(workspace->NamesLoaded);
    EXPECT_EQ(list()->count(), 0);
    page().refreshMonsterList();
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(MonsterPageTest, CancelledOrFailedLoadKeepsTheTable) {
    loadSample(true);
    shell.cancelFile();
    page().loadInitMonster();
    EXPECT_EQ(shell.statusText(), "InitMonster NOT Loaded!");
    EXPECT_EQ(RecordAt(table(), 3)[Slot::Name], "4");

    const qsizetype posts = shell.statusPosts().size();
    shell.answerFile(scratchFile("missing.txt"));
    click("Button2");
    EXPECT_EQ(shell.messages().last(),
              "Brennick v1.14a: Cannot open file \"" + scratchFile("missing.txt") + "\". File not found");
    EXPECT_EQ(shell.statusPosts().size(), posts);
    EXPECT_EQ(RecordAt(table(), 3)[Slot::Name], "4");

    shell.cancelFile();
    page().loadMonsterNames();
    EXPECT_EQ(shell.statusText(), "Monsters Name NOT Loaded!");
    EXPECT_TRUE(workspace->NamesLoaded);
}

TEST_F(MonsterPageTest, LoadOverUnsavedChangesAsksFirstAndCancelKeepsThem) {
    const struct {
        SaveChoice answer;
        bool saveChosen; // after "Save": the save dialog chooses a file
        bool loads;
    } cases[] = {{SaveChoice::Cancel, false, false},
                 {SaveChoice::Discard, false, true},
                 {SaveChoice::Save, false, false},
                 {SaveChoice::Save, true, true}};
    loadSample(true);
    const FileHistory& history = shell.history(EditedTable::InitMonster);
    for (const auto& c : cases) {
        select(0);
        control<QLineEdit>("LabeledEdit46")->setText("99");
        ASSERT_TRUE(history.HasUnsavedChanges());
        const std::size_t dialogs = shell.fileDialogs().size();
        shell.answerSave(c.answer);
        if (c.answer == SaveChoice::Save) {
            c.saveChosen ? shell.answerFile(scratchFile("saved.txt")) : shell.cancelFile();
        }
        if (c.loads) {
            shell.answerFile(sample("InitMonster.txt"));
        }
        page().loadInitMonster();
        EXPECT_EQ(shell.messages().last(), "Confirm: Save changes to InitMonster.txt?");
        EXPECT_EQ(shell.fileDialogs().size() - dialogs,
                  (c.answer == SaveChoice::Save) + std::size_t{c.loads});
        EXPECT_EQ(RecordAt(table(), 0)[Slot::Level] == "99", !c.loads);
        EXPECT_EQ(history.HasUnsavedChanges(), !c.loads);
        EXPECT_EQ(QFile::exists(scratchFile("saved.txt")), c.saveChosen);
        ASSERT_EQ(shell.pendingAnswers(), 0);
    }
}

TEST_F(MonsterPageTest, SelectionShowsTheRecordAndWritesNothing) {
    loadSample(true);
    select(1); // commented, Range Atk ticked
    EXPECT_FALSE(control<QCheckBox>("CheckBox15")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckBox11")->isChecked());
    EXPECT_EQ(control<QLineEdit>("LabeledEdit37")->text(), "20");
    EXPECT_EQ(control<QLineEdit>("LabeledEdit36")->text(), "30");

    const MonsterRecord third = RecordAt(table(), 2);
    select(2); // race 7, ai 3, sight 10 only, item groups 05 7 / 4 1
    EXPECT_EQ(control<QLabel>("Label8")->text(), "Cave Spider");
    EXPECT_EQ(control<QLabel>("Label7")->text(), "Index: 3");
    EXPECT_TRUE(control<QCheckBox>("CheckBox15")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CheckBox11")->isChecked());
    EXPECT_EQ(control<RadioGroup>("RadioGroup2")->itemIndex(), 4);
    EXPECT_EQ(control<RadioGroup>("RadioGroup3")->itemIndex(), 1);
    EXPECT_EQ(control<QLineEdit>("LabeledEdit48")->text(), "10");
    EXPECT_EQ(control<QLineEdit>("LabeledEdit49")->text(), "");
    const int spins[] = {5, 7, 4, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(control<QSpinBox>(QStringLiteral("SpinEdit%1").arg(i + 1))->value(), spins[i]);
    }
    EXPECT_EQ(RecordAt(table(), 2), third);
    EXPECT_EQ(RecordAt(table(), 1)[Slot::RangeAttack], "1");

    const MonsterRecord fourth = RecordAt(table(), 3);
    select(3); // no item groups, race, ai or attack
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(control<QSpinBox>(QStringLiteral("SpinEdit%1").arg(i))->value(), 0);
    }
    EXPECT_EQ(control<RadioGroup>("RadioGroup2")->itemIndex(), -1);
    EXPECT_EQ(control<RadioGroup>("RadioGroup3")->itemIndex(), -1);
    EXPECT_EQ(control<QLineEdit>("LabeledEdit46")->text(), "12a");
    EXPECT_EQ(RecordAt(table(), 3), fourth);
}

TEST_F(MonsterPageTest, ALoadEmptiesThePageUntilAMonsterIsChosen) {
    loadSample(true);
    const std::vector<std::string> empty = PageState(sheet);
    select(2);
    shell.answerFile(sample("InitMonster.txt"));
    page().loadInitMonster();
    EXPECT_EQ(PageState(sheet), empty);
}

TEST_F(MonsterPageTest, EveryFieldStoresIntoItsSlot) {
    loadSample(true);
    select(0);
    const struct {
        const char* name;
        std::size_t slot;
    } fields[] = {{"LabeledEdit46", 5},  {"LabeledEdit47", 10}, {"LabeledEdit27", 18}, {"LabeledEdit28", 19},
                  {"LabeledEdit24", 13}, {"LabeledEdit25", 14}, {"LabeledEdit29", 15}, {"LabeledEdit26", 16},
                  {"LabeledEdit23", 17}, {"LabeledEdit37", 24}, {"LabeledEdit36", 25}, {"LabeledEdit33", 26},
                  {"LabeledEdit38", 27}, {"LabeledEdit30", 28}, {"LabeledEdit40", 29}, {"LabeledEdit32", 30},
                  {"LabeledEdit34", 20}, {"LabeledEdit39", 7},  {"LabeledEdit31", 31}, {"LabeledEdit35", 21},
                  {"LabeledEdit41", 33}, {"LabeledEdit42", 34}, {"LabeledEdit43", 35}, {"LabeledEdit44", 36},
                  {"LabeledEdit45", 37}, {"LabeledEdit48", 8},  {"LabeledEdit49", 9}};
    for (const auto& field : fields) {
        const QString typed = QStringLiteral(" %1a\xE9").arg(field.slot);
        control<QLineEdit>(field.name)->setText(typed);
        EXPECT_EQ(RecordAt(table(), 0).fields[field.slot], " " + std::to_string(field.slot) + "a\xE9")
            << field.name;
    }
    QTest::keyClicks(control<QLineEdit>("LabeledEdit46"), "7");
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Level], " 5a\xE9"
                                                 "7");

    control<QCheckBox>("CheckBox15")->setChecked(false);
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Commented], "1");
    control<QCheckBox>("CheckBox11")->setChecked(true);
    EXPECT_EQ(RecordAt(table(), 0)[Slot::RangeAttack], "1");
    control<QCheckBox>("CheckBox11")->setChecked(false);
    EXPECT_EQ(RecordAt(table(), 0)[Slot::RangeAttack], "0");
    control<RadioGroup>("RadioGroup2")->button(3)->click();
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Race], "3");
    control<RadioGroup>("RadioGroup3")->button(1)->click();
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Ai], "2");
    const std::size_t spinSlots[] = {11, 12, 38, 39};
    for (int i = 0; i < 4; ++i) {
        control<QSpinBox>(QStringLiteral("SpinEdit%1").arg(i + 1))->setValue(-10 - i);
        EXPECT_EQ(RecordAt(table(), 0).fields[spinSlots[i]], std::to_string(-10 - i));
    }
    EXPECT_EQ(RecordAt(table(), 1)[Slot::Level], "7"); // the other records are untouched
}

TEST_F(MonsterPageTest, NothingIsStoredWithoutASelection) {
    loadSample(true);
    select(0);
    page().refreshMonsterList(); // rebuilds the list: no item is selected
    const MonsterRecord first = RecordAt(table(), 0);
    control<QLineEdit>("LabeledEdit46")->setText("99");
    control<QCheckBox>("CheckBox15")->setChecked(false);
    control<QSpinBox>("SpinEdit1")->setValue(42);
    EXPECT_EQ(RecordAt(table(), 0), first);
}

TEST_F(MonsterPageTest, RefreshListsEveryRecordAndAnEmptyIndexAsAnEmptyItem) {
    loadSample(true);
    const qsizetype boxes = shell.messages().size();
    RecordAt(table(), 0)[Slot::Index].clear();
    RecordAt(table(), 2)[Slot::Index].clear();
    RecordAt(table(), 2)[Slot::Name].clear();
    page().refreshMonsterList();
    EXPECT_EQ(items(), (QStringList{"", "Hill Goblin", "", "Marsh Toad"}));
    select(2);
    EXPECT_EQ(control<QLabel>("Label8")->text(), "");
    EXPECT_EQ(control<QLabel>("Label7")->text(), "Index: ");
    EXPECT_EQ(shell.messages().size(), boxes);

    RecordAt(table(), 0)[Slot::Index] = "402";
    RecordAt(table(), 1)[Slot::Index] = "x";
    click("Button8");
    EXPECT_EQ(shell.messages().last(), "Brennick v1.14a: 'x' is not a valid integer value");
    EXPECT_EQ(items(), QStringList{""});
}

TEST_F(MonsterPageTest, AnEmptiedAttackMaxIsSavedAsZeroAndReadBackWithMinInItsSlot) {
    loadSample(true);
    select(1); // (attack 1 20 30)
    control<QLineEdit>("LabeledEdit37")->clear();
    const QString path = scratchFile("InitMonster.txt");
    shell.answerFile(path);
    click("Button6");
    shell.answerFile(path);
    page().loadInitMonster();
    select(1);
    EXPECT_EQ(control<QLineEdit>("LabeledEdit37")->text(), "0");
    EXPECT_EQ(control<QLineEdit>("LabeledEdit36")->text(), "30");
}

TEST_F(MonsterPageTest, GlobalExpChange) {
    loadSample(true); // exp 40, 150, 100, 2
    select(1);
    control<QRadioButton>("RadioButton2")->setChecked(true);
    control<QSpinBox>("SpinEdit5")->setValue(100);
    click("Button7");
    EXPECT_EQ(shell.statusText(), "EXP changed for ALL Monsters!");
    EXPECT_EQ(control<QLineEdit>("LabeledEdit47")->text(), "50"); // the selected monster's, shown at once
    const char* afterSubtract[] = {"40", "50", "100", "2"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(RecordAt(table(), i)[Slot::Exp], afterSubtract[i]);
    }

    const qsizetype posts = shell.statusPosts().size();
    control<QRadioButton>("RadioButton4")->setChecked(true);
    control<QSpinBox>("SpinEdit5")->setValue(0);
    click("Button7");
    EXPECT_EQ(shell.messages().last(), "Brennick v1.14a: Division by zero");
    EXPECT_EQ(shell.statusPosts().size(), posts);

    RecordAt(table(), 3)[Slot::Exp] = "lots";
    control<QRadioButton>("RadioButton3")->setChecked(true);
    control<QSpinBox>("SpinEdit5")->setValue(2);
    click("Button7");
    EXPECT_EQ(shell.messages().last(), "Brennick v1.14a: 'lots' is not a valid integer value");
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Exp], "40");
}

// A cleared or non-numeric amount counts as 0, not as the last number the field held.
TEST_F(MonsterPageTest, GlobalExpChangeReadsTheAmountAsShown) {
    loadSample(true); // exp 40, 150, 100, 2
    auto* amount = control<QSpinBox>("SpinEdit5");
    amount->setValue(5);
    control<QRadioButton>("RadioButton1")->setChecked(true);
    for (const char* typed : {"", "-", "+"}) {
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClicks(amount, typed);
        click("Button7");
        EXPECT_EQ(RecordAt(table(), 0)[Slot::Exp], "40") << typed;
    }
}

// With no operation chosen nothing changes, but every exp is still checked first.
TEST_F(MonsterPageTest, GlobalExpChangeWithoutAnOperationStillChecksEveryValue) {
    loadSample(true);
    RecordAt(table(), 2)[Slot::Exp] = "12a";
    const qsizetype posts = shell.statusPosts().size();
    click("Button7");
    EXPECT_EQ(shell.messages().last(), "Brennick v1.14a: '12a' is not a valid integer value");
    EXPECT_EQ(shell.statusPosts().size(), posts);
    RecordAt(table(), 2)[Slot::Exp] = "100";
    click("Button7");
    EXPECT_EQ(shell.statusText(), "EXP changed for ALL Monsters!");
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Exp], "40");
}

TEST_F(MonsterPageTest, SaveWritesTheLineLayoutByteForByte) {
    loadSample(true);
    const QString path = scratchFile("InitMonster.txt");
    shell.answerFile(path);
    page().saveInitMonster();
    EXPECT_EQ(shell.fileDialogs().back().dialog, FileDialog::SaveDialog1);
    EXPECT_EQ(readBytes(path), readBytes(sample("Expected.txt")));
    EXPECT_EQ(shell.statusText(), "InitMonster saved! in: " + path);
    EXPECT_EQ(control<QProgressBar>("Gauge1")->maximum(), 3);
    EXPECT_EQ(control<QProgressBar>("Gauge1")->value(), 3);
    EXPECT_TRUE(control<QProgressBar>("Gauge1")->isHidden());
    EXPECT_TRUE(control<QLabel>("Label11")->isHidden());
    EXPECT_TRUE(shell.lines().Lines().empty());

    // The saved file loads to the same lines again.
    shell.answerFile(path);
    page().loadInitMonster();
    const QString again = scratchFile("again.txt");
    shell.answerFile(again);
    page().saveInitMonster();
    EXPECT_EQ(readBytes(again), readBytes(path));
}

TEST_F(MonsterPageTest, CancelledSaveWritesNothing) {
    loadSample(true);
    const qsizetype posts = shell.statusPosts().size();
    shell.cancelFile();
    page().saveInitMonster();
    EXPECT_EQ(shell.statusPosts().size(), posts);
    EXPECT_TRUE(shell.lines().Lines().empty());
    EXPECT_EQ(shell.memo().toPlainText(), "");
    EXPECT_TRUE(QDir(scratch.path()).entryList(QDir::Files).isEmpty());
}

std::string Monsters(int count) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        bytes += "(monster (name " + std::to_string(n) + ") (index " + std::to_string(n) + ") (exp 10))\r\n";
    }
    return bytes;
}

// Each file is shown in its own encoding: the names file decides the names, InitMonster.txt its fields.
TEST_F(MonsterPageTest, NamesAndFieldsAreShownAndStoredInTheirFilesEncoding) {
    const QString names = scratchFile("names.txt");
    writeBytes(names, "(monstername 1 \"\xC3\x89p\xC3\xA9\x65 Vive\")\r\n");
    const QString monsters = scratchFile("monsters.txt");
    writeBytes(monsters, "(monster (name 1) (index 1) (level 5) (exp \xE9t\xE9))\r\n");
    shell.answerFile(monsters);
    shell.answerConfirm(true);
    shell.answerFile(names);
    page().loadInitMonster();
    EXPECT_EQ(items(), QStringList{QString::fromUtf8("\u00c9p\u00e9\x65 Vive")});
    select(0);
    EXPECT_EQ(control<QLabel>("Label8")->text(), QString::fromUtf8("\u00c9p\u00e9\x65 Vive"));
    auto* exp = control<QLineEdit>("LabeledEdit47");
    EXPECT_EQ(exp->text(), QString::fromUtf8("\u00e9t\u00e9"));

    // A character the Latin-1 file cannot hold is refused and nothing is stored.
    exp->setText(QString::fromUtf8("40 \u20ac"));
    EXPECT_EQ(
        shell.messages().last(),
        QString::fromUtf8("Brennick v1.14a: The character '\u20ac' (U+20AC) cannot be stored: the file is "
                          "Latin-1 text"));
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Exp], "\xE9t\xE9");
    exp->setText(QString::fromUtf8("\u00e9t\u00e9 2"));
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Exp], "\xE9t\xE9 2");
}

// A click on a monster whose name number is not a number shows one error box, not one per signal.
TEST_F(MonsterPageTest, OneClickOneFailureBox) {
    loadSample(true);
    RecordAt(table(), 2)[Slot::Name] = "3x";
    const qsizetype before = shell.messages().size();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(list()->item(2)).center());
    EXPECT_EQ(shell.messages().mid(before),
              QStringList{"Brennick v1.14a: '3x' is not a valid integer value"});
}

class LoadWarnings : public MonsterPageTest {};

TEST_F(LoadWarnings, NameTheFile) {
    const struct {
        const char* dialog; // the reader
        std::string bytes;
        QString warning; // empty: none
    } cases[] = {
        {"InitMonster", Monsters(920) + std::string(600000, ' ') + Monsters(1), {}},
        {"InitMonster", Monsters(3) + "(monster (index 4))" + Monsters(2),
         "Warning: big.txt: monster 4 (line 4) has no name."},
        {"MonsterName",
         [] {
             std::string names;
             for (int n = 1; n <= 405; ++n) {
                 names += "(monstername " + std::to_string(n) + " \"M\")\r\n";
             }
             return names + "(monstername 406 \"M\"";
         }(),
         "Warning: big.txt: the group opened on line 406 is never closed; nothing after it was read."},
    };
    for (const auto& c : cases) {
        const QString path = scratchFile("big.txt");
        writeBytes(path, c.bytes);
        const qsizetype seen = shell.messages().size();
        shell.answerFile(path);
        if (QString(c.dialog) == "InitMonster") {
            shell.answerConfirm(false);
            page().loadInitMonster();
            EXPECT_EQ(shell.statusText(), "InitMonster Loaded!");
        } else {
            page().loadMonsterNames();
            EXPECT_EQ(shell.statusText(), "Monsters Name Loaded!");
        }
        ASSERT_EQ(shell.pendingAnswers(), 0) << c.warning.toStdString();
        const QStringList shown = shell.messages().mid(seen);
        EXPECT_EQ(shown.filter("Warning: "), c.warning.isEmpty() ? QStringList{} : QStringList{c.warning});
    }
    EXPECT_EQ(workspace->monsterNames.MonsterNameFor(405), "M");
    EXPECT_EQ(shell.unanswered(), 0);
}

TEST_F(LoadWarnings, AFileOverSixtyFourMebibytesIsRefusedAndTheTableKept) {
    loadSample(false);
    const QString path = scratchFile("huge.txt");
    writeBytes(path, "(monster (name 1))");
    QFile(path).resize(64 * 1024 * 1024 + 1);
    const std::size_t loaded = table().size();
    shell.answerFile(path);
    try {
        page().loadInitMonster();
        ADD_FAILURE() << "read a file over 64 MiB";
    } catch (const BrennickError& error) {
        EXPECT_STREQ(error.what(), "huge.txt: 67108865 bytes; files over 64 MiB are not read");
    }
    EXPECT_EQ(RecordAt(table(), 0)[Slot::Name], "1");
    EXPECT_EQ(table().size(), loaded);
}

TEST_F(LoadWarnings, NoWarningForAFileThatFits) {
    loadSample(true);
    EXPECT_EQ(shell.messages(), QStringList{"Confirm: Do you want to load Monsters Name?"});
}
} // namespace
