#include "support/AppFixture.h"

#include "common/GuardedHandler.h"
#include "common/WriterLines.h"
#include "records/Errors.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
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
    EXPECT_EQ(form1->windowTitle(), "Brennick v1.14a[*]");
    EXPECT_EQ(form1->pos(), QPoint(177, 135));
    EXPECT_EQ(form1->width(), 641);
}

TEST_F(ShellTest, SecondaryWindowsAreHiddenWithTheirCaptions) {
    const std::pair<const char*, const char*> windows[] = {
        {"Form3", "Form3"}, {"Form4", "Create new spawn area"}, {"Form6", "Add new portal"}};
    for (const auto& [name, caption] : windows) {
        QWidget* secondary = window<QWidget>(name);
        ASSERT_NE(secondary, nullptr);
        EXPECT_FALSE(secondary->isVisible()) << name;
        EXPECT_EQ(secondary->windowTitle(), caption);
        EXPECT_TRUE(secondary->isWindow()) << name << " is a window of its own";
        EXPECT_EQ(secondary->parent(), form1.get()) << name << " belongs to the main window";
    }
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
    form1->clearStatus();
    EXPECT_EQ(form1->statusText(), "");
    EXPECT_FALSE(timer->isActive());
}

TEST_F(ShellTest, AboutShowsTitleEmptyLineAndCredits) {
    dialogs.then(DialogDriver::press("OK"));
    form1->findChild<QAction*>("About1")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    const QStringList lines = dialogs.messages().first().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Information: Brennick v1.14a");
    EXPECT_EQ(lines[1], "");
}

TEST_F(ShellTest, MenuHoldsLoadEditOptionsAboutExit) {
    auto* bar = control<QMenuBar>("MainMenu1");
    QStringList items;
    for (QAction* action : bar->actions()) {
        items << action->text();
    }
    EXPECT_EQ(items, (QStringList{"Load", "Edit", "Options", "About", "Exit"}));
    const auto* keep = form1->findChild<QAction*>("Keepcommentsandlayout1");
    ASSERT_NE(keep, nullptr);
    EXPECT_TRUE(keep->isCheckable() && !keep->isChecked());
    EXPECT_NE(form1->findChild<QAction*>("ItemName1"), nullptr);
    EXPECT_NE(form1->findChild<QAction*>("MonsterName1"), nullptr);
    const auto* find = form1->findChild<QMenu*>("Edit4")->findChild<QAction*>("Find1");
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->text(), "Find...");
    EXPECT_EQ(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
}

TEST_F(ShellTest, BoxesHaveTheirCaptionsAndAnswers) {
    dialogs.then(DialogDriver::press("&Yes"));
    EXPECT_TRUE(form1->Confirm("load?"));
    dialogs.then(DialogDriver::press("&No"));
    EXPECT_FALSE(form1->Confirm("load?"));
    dialogs.then(DialogDriver::press("OK"));
    form1->Warning("careful");
    dialogs.then(DialogDriver::press("OK"));
    form1->ErrorMessage("Error!\r\nPlease choose Item!");
    EXPECT_EQ(dialogs.messages(), (QStringList{"Confirm: load?", "Confirm: load?", "Warning: careful",
                                               "Error: Error!\r\nPlease choose Item!"}));
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

TEST_F(ShellTest, FailedHandlerShowsErrorBoxAndProgramGoesOn) {
    QPushButton button;
    button.resize(40, 20);
    int runs = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, Guarded(*form1, [&runs] {
        ++runs;
        throw ConvertError("x1");
    }));
    dialogs.then(DialogDriver::press("OK"));
    dialogs.then(DialogDriver::press("OK"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages().first(), "Brennick v1.14a: 'x1' is not a valid integer value");
}

// An event handler that fails outside any connection.
class FailingObject : public QObject {
  protected:
    bool event(QEvent*) override { throw DivisionByZeroError(); }
};

TEST_F(ShellTest, EventDispatchCatchesWhatNoWrapperCaught) {
    FailingObject failing;
    QEvent event(QEvent::User);
    dialogs.then(DialogDriver::press("OK"));
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
    EXPECT_EQ(dialogs.messages(), QStringList{"Brennick v1.14a: Division by zero"});
}

// Each file dialog by its name in the layout, with the title (the system's
// own for a save dialog) and filters it shows before any page has set them.
TEST_F(ShellTest, FileDialogsKeepWhatTheirUsersSet) {
    const struct {
        FileDialog dialog;
        const char* name;
        const char* title;
        QStringList filters;
    } cases[] = {
        {FileDialog::OpenDialog1,
         "OpenDialog1",
         "Select InitMonster",
         {"InitMonster (InitMonster.txt)", "All txt (*.txt)", "ALL (*.*)"}},
        {FileDialog::OpenDialog2,
         "OpenDialog2",
         "Select file with monsters name",
         {"All txt (*.txt)", "ALL (*.*)"}},
        {FileDialog::OpenInitItem,
         "OpenInitItem",
         "Select InitItem",
         {"InitItem (InitItem.txt)", "All txt (*.txt)", "ALL (*.*)"}},
        {FileDialog::OpenItemsName, "OpenItemsName", "Select items name", {"All txt (*.txt)", "ALL (*.*)"}},
        {FileDialog::SaveDialog1, "SaveDialog1", nullptr, {"InitMonster (InitMonster.txt)", "ALL (*.*)"}},
        {FileDialog::SaveDialog2,
         "SaveDialog2",
         nullptr,
         {"GenMonster (GenMonster.txt)", "All txt (*.txt)", "ALL (*.*)"}},
    };
    for (const auto& c : cases) {
        dialogs.then(DialogDriver::cancel());
        EXPECT_EQ(form1->chooseFile(c.dialog), std::nullopt) << c.name;
        auto* dialog = form1->findChild<QFileDialog*>(c.name);
        ASSERT_NE(dialog, nullptr) << c.name;
        if (c.title != nullptr) {
            EXPECT_EQ(dialogs.fileDialogTitles().last(), c.title);
        }
        EXPECT_EQ(dialog->nameFilters(), c.filters) << c.name;
    }

    // The shared OpenDialog3 keeps the last title set, whoever sets the filter.
    dialogs.then(DialogDriver::cancel());
    form1->chooseFile(FileDialog::OpenDialog3,
                      {.title = "Select GenMonster", .filter = "GenMonster|GenMonster.txt"});
    dialogs.then(DialogDriver::cancel());
    form1->chooseFile(FileDialog::OpenDialog3, {.filter = "Etc|Etc.txt|ALL|*.*"});
    EXPECT_EQ(dialogs.fileDialogTitles().mid(6), (QStringList{"Select GenMonster", "Select GenMonster"}));
    EXPECT_EQ(form1->findChild<QFileDialog*>("OpenDialog3")->nameFilters(),
              (QStringList{"Etc (Etc.txt)", "ALL (*.*)"}));

    // A name typed without an extension gets the default suffix; the save dialogs never ask before replacing.
    writeBytes(scratchFile("Etc.txt"), "old");
    dialogs.then(DialogDriver::chooseFile(scratchFile("Etc")));
    EXPECT_EQ(form1->chooseFile(FileDialog::SaveDialog3, {.filter = "Etc|Etc.txt", .defaultSuffix = "txt"}),
              scratchFile("Etc.txt"));
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

TEST_F(ShellTest, LineBufferSavesEveryLineWithCrLf) {
    WriterLines& buffer = form1->lines();
    buffer.Clear();
    buffer.Append("(a 1)");
    buffer.Append(std::string("(b \xE9)"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(), QString::fromLatin1("(a 1)\n(b \xE9)"));
    const QString path = scratchFile("out.txt");
    form1->SaveFile(path, buffer.Text());
    EXPECT_EQ(readBytes(path), "(a 1)\r\n(b \xE9)\r\n");
}

TEST_F(ShellTest, FailedSaveLeavesNoTraceBehind) {
    // A folder stands where the file should go: the save fails as a whole.
    QDir(scratch.path()).mkdir("taken.txt");
    writeBytes(scratchFile("other.txt"), "earlier");
    WriterLines& buffer = form1->lines();
    buffer.Clear();
    buffer.Append("new");
    EXPECT_THROW(form1->SaveFile(scratchFile("taken.txt"), buffer.Text()), InOutError);
    EXPECT_TRUE(QFileInfo(scratchFile("taken.txt")).isDir());
    EXPECT_EQ(readBytes(scratchFile("other.txt")), "earlier");
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"other.txt"});
}

TEST_F(ShellTest, MissingFolderSaveNamesTheFile) {
    WriterLines& buffer = form1->lines();
    buffer.Clear();
    buffer.Append("x");
    const QString path = scratchFile("none/out.txt");
    try {
        form1->SaveFile(path, buffer.Text());
        FAIL();
    } catch (const InOutError& error) {
        EXPECT_EQ(QString(error.what()), "Cannot create file \"" + path + "\". File not found");
    }
}
} // namespace
