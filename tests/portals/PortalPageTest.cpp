#include "support/AppFixture.h"

#include "app/LineBuffer.h"
#include "portals/PortalPage.h"

#include "portals/PortalWidgetTestSupport.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {
class PortalPageTest : public AppFixture {
  protected:
    PortalPageTest() {
        control<QTabWidget>("PageControl2")->setCurrentWidget(control<QWidget>("TabSheet12"));
        list = control<QListWidget>("ListBox5");
    }

    void click(const QString& button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    void load(const QString& path) {
        dialogs.then(DialogDriver::chooseFile(path));
        click("letc");
    }

    void loadSample() { load(dataFile("portals-sample", "Etc.txt")); }

    void clickLine(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    QStringList lines() const {
        QStringList shown;
        for (int row = 0; row < list->count(); ++row) {
            shown << list->item(row)->text();
        }
        return shown;
    }

    QString spin(const QString& name) const { return control<QSpinBox>(name)->text(); }
    QString label(const QString& name) const { return control<QLabel>(name)->text(); }

    QListWidget* list = nullptr;
};

const QStringList kSampleLines{"Portal from map: 3 to map:5   gate", "Portal from map: 4 to map:1  ",
                               "Portal from map: 1 to map:2   (west) gate; old"};

TEST_F(PortalPageTest, LoadListsThePortalsAndKeepsTheSharedDialogsTitle) {
    loadSample();
    EXPECT_EQ(lines(), kSampleLines);
    EXPECT_EQ(form1->statusText(), "Etc.txt loaded!");
    EXPECT_TRUE(dialogs.messages().isEmpty());
    QFileDialog* open = form1->dialog("OpenDialog3");
    EXPECT_EQ(open->nameFilters(), (QStringList{"Etc (Etc.txt)", "All .txt (*.txt)", "ALL (*.*)"}));

    // The GenMonster reader sets the title; a later Etc load keeps it.
    open->setWindowTitle("Select GenMonster");
    load(dataFile("portals-empty", "Etc.txt"));
    EXPECT_EQ(dialogs.fileDialogTitles(), (QStringList{"", "Select GenMonster"}));
    EXPECT_EQ(lines(), QStringList{"Portal from map:  to map:  "});
}

TEST_F(PortalPageTest, CancelledOrFailedLoadChangesNothing) {
    loadSample();
    dialogs.then(DialogDriver::cancel());
    click("letc");
    load(scratchFile("missing.txt"));
    EXPECT_EQ(lines(), kSampleLines);
    EXPECT_EQ(dialogs.messages(), QStringList{"Brennick v1.14a: File not found"});
    EXPECT_EQ(form1->portalPage().portals()[2][PortalRecord::comment], " (west) gate; old");
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
    EXPECT_TRUE(dialogs.messages().isEmpty());
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
    EXPECT_EQ(form1->portalPage().portals()[0][PortalRecord::x1], "10");
    EXPECT_EQ(form1->portalPage().portals()[0][PortalRecord::commented], "0");

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
    dialogs.then(DialogDriver::press("OK"));
    clickLine(0);
    EXPECT_FALSE(control<QCheckBox>("CheckBox12")->isChecked());
    EXPECT_EQ(dialogs.messages(), QStringList{"Brennick v1.14a: '' is not a valid integer value"});
    EXPECT_EQ(spin("SpinEdit13"), "320"); // the failed step and those after it changed nothing
}

TEST_F(PortalPageTest, LargeFileLoadsWholeAndAnOpenGroupIsReported) {
    std::string bytes;
    for (int i = 0; i < 200; ++i) {
        bytes += "(portal (country 0 2) (from 1 2 3 4 5) (to 6 7 8 9 10))\r\n";
    }
    writeBytes(scratchFile("Etc.txt"), bytes + "(event (x 1)\r\n");
    dialogs.then(DialogDriver::chooseFile(scratchFile("Etc.txt")));
    dialogs.then(DialogDriver::press("OK"));
    click("letc");
    EXPECT_EQ(list->count(), 200);
    EXPECT_EQ(
        dialogs.messages(),
        QStringList{
            "Warning: Etc.txt: the group opened on line 201 is never closed; nothing after it was read."});
}

TEST_F(PortalPageTest, SaveWritesBothSectionsByteForByte) {
    loadSample();
    dialogs.then(DialogDriver::chooseFile(scratchFile("Etc.txt")));
    click("setc");
    EXPECT_EQ(readBytes(scratchFile("Etc.txt")), readBytes(dataFile("portals-sample", "Etc.saved.txt")));
    EXPECT_TRUE(form1->lines().Lines().empty());
    QFileDialog* save = form1->dialog("SaveDialog3");
    EXPECT_EQ(save->nameFilters(), (QStringList{"Etc (Etc.txt)", "All txt (*.txt)", "ALL (*.*)"}));

    // A name typed without an extension gets ".txt"; a cancelled save writes nothing.
    dialogs.then(DialogDriver::chooseFile(scratchFile("Portals")));
    click("setc");
    EXPECT_EQ(readBytes(scratchFile("Portals.txt")), readBytes(dataFile("portals-sample", "Etc.saved.txt")));
    dialogs.then(DialogDriver::cancel());
    click("setc");
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files), (QStringList{"Etc.txt", "Portals.txt"}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(PortalPageTest, FailedSaveReportsTheFileAndKeepsTheOldOne) {
    loadSample();
    const QString path = scratchFile("no-folder/Etc.txt");
    // The whole path typed into the name field: the dialog cannot go to a
    // folder that does not exist.
    dialogs.then([path](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    dialogs.then(DialogDriver::press("OK"));
    click("setc");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("Brennick v1.14a: Cannot create file \"" + path + "\"."));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PortalPageTest, PageFitsItsSubPage) {
    loadSample();
    clickLine(1);
    QWidget* sheet = control<QWidget>("TabSheet12");
    ExpectWholeAndInside(sheet);
    EXPECT_EQ(list->size(), QSize(377, 153));
    for (QPushButton* button : {control<QPushButton>("letc"), control<QPushButton>("setc")}) {
        EXPECT_LE(button->geometry().bottom(), sheet->height()) << button->objectName().toStdString();
    }
    EXPECT_FALSE(control<QPushButton>("PortalShow")->isEnabled());
    EXPECT_EQ(control<QPushButton>("PortalShow")->width(), list->width());
    SaveScreenshot(sheet, "portal-page");
}
} // namespace
