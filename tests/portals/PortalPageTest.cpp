#include "support/ListTexts.h"
#include "support/PageState.h"
#include "support/ShellFixture.h"

#include "common/WriterLines.h"
#include "portals/PortalPage.h"

#include "portals/PortalWidgetTestSupport.h"
#include "support/TableRecords.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {
class PortalPageTest : public ShellFixture {
  protected:
    PortalPageTest() {
        sheet.resize(386, 418);
        sheet.show();
    }

    void click(const QString& button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    void load(const QString& path) {
        shell.answerFile(path);
        click("letc");
    }

    PortalTable& portals() { return workspace->portals; }

    void loadSample() { load(dataFile("portals-sample", "Etc.txt")); }

    void clickLine(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    QStringList lines() const { return ListTexts(list); }

    QString spin(const QString& name) const { return control<QSpinBox>(name)->text(); }
    QString label(const QString& name) const { return control<QLabel>(name)->text(); }

    PortalPage* page = new PortalPage(shell, *workspace, &sheet);
    QListWidget* list = control<QListWidget>("ListBox5");
};

const QStringList kSampleLines{"Portal from map: 3 to map:5   gate", "Portal from map: 4 to map:1  ",
                               "Portal from map: 1 to map:2   (west) gate; old"};

TEST_F(PortalPageTest, LoadListsThePortalsAndLeavesTheSharedDialogsTitle) {
    loadSample();
    EXPECT_EQ(lines(), kSampleLines);
    EXPECT_EQ(shell.statusText(), "Etc.txt loaded!");
    EXPECT_TRUE(shell.messages().isEmpty());
    ASSERT_EQ(shell.fileDialogs().size(), 1u);
    const FakeShell::FileDialogUse& open = shell.fileDialogs()[0];
    EXPECT_EQ(open.dialog, FileDialog::OpenDialog3);
    EXPECT_EQ(open.settings.title, std::nullopt);
    EXPECT_EQ(open.settings.filter, "Etc|Etc.txt|All .txt|*.txt|ALL|*.*");

    load(dataFile("portals-empty", "Etc.txt"));
    EXPECT_EQ(lines(), QStringList{"Portal from map:  to map:  "});
}

TEST_F(PortalPageTest, ALoadEmptiesThePageUntilAPortalIsChosen) {
    loadSample();
    const std::vector<std::string> empty = PageState(sheet);
    clickLine(2);
    loadSample();
    EXPECT_EQ(PageState(sheet), empty);
}

TEST_F(PortalPageTest, CancelledOrFailedLoadChangesNothing) {
    loadSample();
    shell.cancelFile();
    click("letc");
    load(scratchFile("missing.txt"));
    EXPECT_EQ(lines(), kSampleLines);
    EXPECT_EQ(shell.messages(), QStringList{"Brennick v1.14a: Cannot open file \"" +
                                            scratchFile("missing.txt") + "\". File not found"});
    EXPECT_EQ(RecordAt(portals(), 2)[PortalField::Comment], " (west) gate; old");
}

TEST_F(PortalPageTest, SelectionShowsWorldUnitsWithMapUnitsBelow) {
    loadSample();
    struct Shown {
        bool on;
        QStringList corners, mapUnits, rest;
        QString comment;
    };
    const std::vector<Shown> expected{{true,
                                       {"320", "640", "-160", "1280"},
                                       {"10", "20", "-5", "40"},
                                       {"3", "5", "300", "400", "0"},
                                       " gate"},
                                      {false,
                                       {"204800", "166400", "211200", "172800"},
                                       {"6400", "5200", "6600", "5400"},
                                       {"4", "1", "2", "3", "4"},
                                       ""}};
    for (int row : {0, 1, 0}) {
        clickLine(row);
        const Shown& shown = expected[static_cast<std::size_t>(row)];
        EXPECT_EQ(control<QCheckBox>("CheckBox12")->isChecked(), shown.on) << row;
        EXPECT_EQ(
            (QStringList{spin("SpinEdit13"), spin("SpinEdit14"), spin("SpinEdit15"), spin("SpinEdit16")}),
            shown.corners);
        EXPECT_EQ((QStringList{label("Label34"), label("Label36"), label("Label37"), label("Label38")}),
                  shown.mapUnits);
        EXPECT_EQ((QStringList{spin("SpinEdit17"), spin("SpinEdit22"), spin("SpinEdit18"), spin("SpinEdit19"),
                               spin("SpinEdit20")}),
                  shown.rest);
        EXPECT_EQ(control<QLineEdit>("Edit3")->text(), shown.comment);
    }
    EXPECT_TRUE(shell.messages().isEmpty());
}

TEST_F(PortalPageTest, TypedCornersShowMapUnitsAndLeaveTheTable) {
    loadSample();
    clickLine(0);
    auto* x1 = control<QSpinBox>("SpinEdit13");
    const std::vector<std::pair<QString, QString>> typed{{"100", "3"}, {"-33", "-1"}, {"-", "0"}, {"", "0"}};
    for (const auto& [text, mapUnits] : typed) {
        x1->selectAll();
        QTest::keyClick(x1, Qt::Key_Delete);
        QTest::keyClicks(x1, text);
        EXPECT_EQ(label("Label34"), mapUnits) << text.toStdString();
    }
    control<QCheckBox>("CheckBox12")->setChecked(false);
    control<QLineEdit>("Edit3")->setText("changed");
    EXPECT_EQ(RecordAt(portals(), 0)[PortalField::X1], "10");
    EXPECT_EQ(RecordAt(portals(), 0)[PortalField::Commented], "0");

    // Clicking the selected line again brings the stored values back, also
    // where the spin field's own value did not change.
    clickLine(0);
    EXPECT_EQ(spin("SpinEdit13"), "320");
    EXPECT_EQ(label("Label34"), "10");
    EXPECT_TRUE(control<QCheckBox>("CheckBox12")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), " gate");
}

TEST_F(PortalPageTest, EmptyTableLineReportsTheEmptyTextOnce) {
    loadSample();
    clickLine(0);
    load(dataFile("portals-empty", "Etc.txt"));
    control<QCheckBox>("CheckBox12")->setChecked(true);
    control<QSpinBox>("SpinEdit13")->setValue(320);
    clickLine(0);
    EXPECT_FALSE(control<QCheckBox>("CheckBox12")->isChecked());
    EXPECT_EQ(shell.messages(), QStringList{"Brennick v1.14a: '' is not a valid integer value"});
    EXPECT_EQ(spin("SpinEdit13"), "320"); // the failed step and those after it changed nothing
}

TEST_F(PortalPageTest, LargeFileLoadsWholeAndAnOpenGroupIsReported) {
    std::string bytes;
    for (int i = 0; i < 200; ++i) {
        bytes += "(portal (country 0 2) (from 1 2 3 4 5) (to 6 7 8 9 10))\r\n";
    }
    writeBytes(scratchFile("Etc.txt"), bytes + "(event (x 1)\r\n");
    load(scratchFile("Etc.txt"));
    EXPECT_EQ(list->count(), 200);
    EXPECT_EQ(
        shell.messages(),
        QStringList{
            "Warning: Etc.txt: the group opened on line 201 is never closed; nothing after it was read."});
}

TEST_F(PortalPageTest, SaveWritesBothSectionsByteForByte) {
    loadSample();
    shell.answerFile(scratchFile("Etc.txt"));
    click("setc");
    EXPECT_EQ(readBytes(scratchFile("Etc.txt")), readBytes(dataFile("portals-sample", "Etc.saved.txt")));
    EXPECT_TRUE(shell.lines().Lines().empty());
    const FakeShell::FileDialogUse& save = shell.fileDialogs().back();
    EXPECT_EQ(save.dialog, FileDialog::SaveDialog3);
    EXPECT_EQ(save.settings.filter, "Etc|Etc.txt|All txt|*.txt|ALL|*.*");
    EXPECT_EQ(save.settings.defaultSuffix, "txt");

    // A cancelled save writes nothing.
    shell.cancelFile();
    click("setc");
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files), QStringList{"Etc.txt"});
    EXPECT_TRUE(shell.messages().isEmpty());
}

TEST_F(PortalPageTest, FailedSaveReportsTheFileAndKeepsTheOldOne) {
    loadSample();
    const QString path = scratchFile("no-folder/Etc.txt");
    shell.answerFile(path);
    click("setc");
    ASSERT_EQ(shell.messages().size(), 1);
    EXPECT_TRUE(shell.messages()[0].startsWith("Brennick v1.14a: Cannot create file \"" + path + "\"."));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PortalPageTest, AddNewPortalAsksForTheDialog) {
    QSignalSpy wanted(page, &PortalPage::addPortalWanted);
    click("addnewportal");
    EXPECT_EQ(wanted.count(), 1);
}

TEST_F(PortalPageTest, PageFitsItsSubPage) {
    loadSample();
    clickLine(1);
    ExpectWholeAndInside(&sheet);
    EXPECT_EQ(list->size(), QSize(377, 153));
    for (QPushButton* button : {control<QPushButton>("letc"), control<QPushButton>("setc")}) {
        EXPECT_LE(button->geometry().bottom(), sheet.height()) << button->objectName().toStdString();
    }
    EXPECT_FALSE(control<QPushButton>("PortalShow")->isEnabled());
    EXPECT_EQ(control<QPushButton>("PortalShow")->width(), list->width());
    SaveScreenshot(&sheet, "portal-page");
}
// A UTF-8 Etc.txt shows its comments as written; a Latin-1 one shows every byte as a character.
TEST_F(PortalPageTest, CommentsAreShownInTheFilesEncoding) {
    const std::string portal = "(portal (country 0 2) (from 3 1 2 3 4) (to 5 6 7 8)) ;";
    const struct {
        std::string comment;
        QString shown;
    } cases[] = {{" Tor zur H\xC3\xB6hle", QString::fromUtf8(" Tor zur H\u00f6hle")},
                 {" Tor zur H\xF6hle", QString::fromUtf8(" Tor zur H\u00f6hle")}};
    for (const auto& c : cases) {
        writeBytes(scratchFile("Etc.txt"), portal + c.comment + "\r\n");
        load(scratchFile("Etc.txt"));
        EXPECT_EQ(lines(), QStringList{"Portal from map: 3 to map:5  " + c.shown});
        clickLine(0);
        EXPECT_EQ(control<QLineEdit>("Edit3")->text(), c.shown);
    }
}
} // namespace
