// The history of each written file in the real main window: the "*" of the
// title, Undo and Redo named for the change, and closing with unsaved changes.
#include "support/AppFixture.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {
class UnsavedChangesTest : public AppFixture {
  protected:
    // The sample InitMonster.txt loaded without names, and every monster's exp raised.
    void changeExperience() {
        control<QTabWidget>("PageControl1")->setCurrentWidget(control<QWidget>("TabSheet4"));
        dialogs.then(DialogDriver::chooseFile(dataFile("monsters-sample", "InitMonster.txt")));
        dialogs.then(DialogDriver::press("&No"));
        control<QPushButton>("Button2")->click();
        control<QRadioButton>("RadioButton1")->setChecked(true);
        control<QSpinBox>("SpinEdit5")->setValue(5);
        control<QPushButton>("Button7")->click();
    }

    QAction* action(const QString& name) const { return form1->findChild<QAction*>(name); }
};

TEST_F(UnsavedChangesTest, TitleStarFollowsEditUndoRedoAndSave) {
    changeExperience();
    EXPECT_TRUE(form1->isWindowModified());
    EXPECT_EQ(action("Undo1")->text(), "Undo Experience change for all monsters");
    action("Undo1")->trigger();
    EXPECT_FALSE(form1->isWindowModified());
    EXPECT_FALSE(action("Undo1")->isEnabled());
    action("Redo1")->trigger();
    EXPECT_TRUE(form1->isWindowModified());

    dialogs.then(DialogDriver::chooseFile(scratchFile("saved.txt")));
    control<QPushButton>("Button6")->click();
    EXPECT_FALSE(form1->isWindowModified());
    action("Undo1")->trigger();
    EXPECT_TRUE(form1->isWindowModified());
    // Another page in front: its own history, with nothing to take back.
    control<QTabWidget>("PageControl1")->setCurrentWidget(control<QWidget>("TabSheet2"));
    EXPECT_FALSE(action("Redo1")->isEnabled());
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}

TEST_F(UnsavedChangesTest, CloseAsksPerChangedFileAndOnlyCancelOrNoSaveKeepsTheProgram) {
    const struct {
        const char* button; // nullptr: no change made
        const char* saveTo; // after "Save": the file chosen, or nullptr for a cancelled dialog
        bool closes;
    } cases[] = {{nullptr, nullptr, true},
                 {"Discard", nullptr, true},
                 {"Cancel", nullptr, false},
                 {"Save", nullptr, false},
                 {"Save", "saved.txt", true}};
    for (const auto& c : cases) {
        form1 = std::make_unique<MainWindow>(scratch.path());
        form1->show();
        const qsizetype seen = dialogs.messages().size();
        if (c.button != nullptr) {
            changeExperience();
            dialogs.then(DialogDriver::press(c.button));
        }
        if (c.saveTo != nullptr) {
            dialogs.then(DialogDriver::chooseFile(scratchFile(c.saveTo)));
        } else if (c.button == QStringLiteral("Save")) {
            dialogs.then(DialogDriver::cancel());
        }
        EXPECT_EQ(form1->close(), c.closes) << c.button;
        EXPECT_EQ(dialogs.messages().mid(seen).filter("Save changes"),
                  c.button ? QStringList{"Confirm: Save changes to InitMonster.txt?"} : QStringList{});
        EXPECT_EQ(dialogs.pendingAnswers(), 0);
    }
    EXPECT_TRUE(QFile::exists(scratchFile("saved.txt")));
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}
} // namespace
