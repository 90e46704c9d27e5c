#include "support/AppFixture.h"

#include "app/BrennickApplication.h"
#include "app/LineBuffer.h"
#include "records/Errors.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
using ShellTest = AppFixture;

TEST_F(ShellTest, StartsOnTheMapPageWithHiddenTabs) {
    auto* pages = control<QTabWidget>("PageControl1");
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet9");
    auto* subPages = control<QTabWidget>("PageControl2");
    EXPECT_EQ(subPages->currentWidget()->objectName(), "TabSheet10");

    QStringList shown;
    QStringList hidden;
    for (QTabWidget* tabs : {pages, subPages}) {
        for (int i = 0; i < tabs->count(); ++i) {
            (tabs->isTabVisible(i) ? shown : hidden) << tabs->tabText(i);
        }
    }
    EXPECT_EQ(shown, (QStringList{"Item", "Monster", "Map", "Portals", "Monsters"}));
    EXPECT_EQ(hidden, (QStringList{"Character", "Shop", "Skill", "Misc", "Quest", "dodatkow", "NPC"}));
    EXPECT_EQ(form1->statusText(), "");
    EXPECT_EQ(form1->windowTitle(), "Brennick v1.14a");
    EXPECT_EQ(form1->pos(), QPoint(177, 135));
    EXPECT_EQ(form1->width(), 641);
}

TEST_F(ShellTest, SecondaryWindowsAreHiddenWithTheirCaptions) {
    EXPECT_FALSE(form3->isVisible());
    EXPECT_FALSE(form4->isVisible());
    EXPECT_FALSE(form6->isVisible());
    EXPECT_EQ(form3->windowTitle(), "Form3");
    EXPECT_EQ(form4->windowTitle(), "Create new spawn area");
    EXPECT_EQ(form6->windowTitle(), "Add new portal");
}

TEST_F(ShellTest, StatusMessagesClearThreeSecondsAfterTheFirst) {
    auto* timer = control<QTimer>("Timer1");
    EXPECT_FALSE(timer->isActive());
    form1->PostStatus("first");
    EXPECT_EQ(form1->statusText(), "first");
    const int remainingAfterFirst = timer->remainingTime();
    QTest::qWait(200);
    form1->PostStatus("second");
    EXPECT_EQ(form1->statusText(), "second");
    // Enabling the running timer did not restart its count.
    EXPECT_LT(timer->remainingTime(), remainingAfterFirst);
    form1->Timer1Timer();
    EXPECT_EQ(form1->statusText(), "");
    EXPECT_FALSE(timer->isActive());
}

TEST_F(ShellTest, AboutShowsTitleEmptyLineAndCredits) {
    dialogs.then(DialogDriver::press("OK"));
    form1->About1Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    const QStringList lines = dialogs.messages().first().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Information: Brennick v1.14a");
    EXPECT_EQ(lines[1], "");
}

TEST_F(ShellTest, MenuHoldsLoadAboutExit) {
    auto* bar = control<QMenuBar>("MainMenu1");
    QStringList items;
    for (QAction* action : bar->actions()) {
        items << action->text();
    }
    EXPECT_EQ(items, (QStringList{"Load", "About", "Exit"}));
    EXPECT_NE(form1->findChild<QAction*>("ItemName1"), nullptr);
    EXPECT_NE(form1->findChild<QAction*>("MonsterName1"), nullptr);
}

TEST_F(ShellTest, FailedHandlerShowsErrorBoxAndProgramGoesOn) {
    QPushButton button;
    button.resize(40, 20);
    int runs = 0;
    QObject::connect(&button, &QPushButton::clicked, [&runs] {
        ++runs;
        throw ConvertError("x1");
    });
    dialogs.then(DialogDriver::press("OK"));
    dialogs.then(DialogDriver::press("OK"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages().first(), "Brennick v1.14a: 'x1' is not a valid integer value");
}

TEST_F(ShellTest, LineBufferSavesEveryLineWithCrLf) {
    LineBuffer& buffer = form1->lines();
    buffer.Clear();
    buffer.Append("(a 1)");
    buffer.Append(std::string("(b \xE9)"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(), QString::fromLatin1("(a 1)\n(b \xE9)"));
    const QString path = scratchFile("out.txt");
    buffer.SaveToFile(path);
    EXPECT_EQ(readBytes(path), "(a 1)\r\n(b \xE9)\r\n");
}

TEST_F(ShellTest, FailedSaveLeavesNoTraceBehind) {
    // A folder stands where the file should go: the save fails as a whole.
    QDir(scratch.path()).mkdir("taken.txt");
    writeBytes(scratchFile("other.txt"), "earlier");
    LineBuffer& buffer = form1->lines();
    buffer.Clear();
    buffer.Append("new");
    EXPECT_THROW(buffer.SaveToFile(scratchFile("taken.txt")), InOutError);
    EXPECT_TRUE(QFileInfo(scratchFile("taken.txt")).isDir());
    EXPECT_EQ(readBytes(scratchFile("other.txt")), "earlier");
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"other.txt"});
}

TEST_F(ShellTest, MissingFolderSaveNamesTheFile) {
    LineBuffer& buffer = form1->lines();
    buffer.Clear();
    buffer.Append("x");
    const QString path = scratchFile("none/out.txt");
    try {
        buffer.SaveToFile(path);
        FAIL();
    } catch (const InOutError& error) {
        EXPECT_EQ(QString(error.what()), "Cannot create file \"" + path + "\". File not found");
    }
}
} // namespace
