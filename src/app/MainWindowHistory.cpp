// The main window's part in undo and unsaved changes: the "Edit" menu acting
// on the history of the page in front, the "*" of the title, and the
// question about unsaved changes before the program closes.
#include "MainWindow.h"

#include "common/GuardedHandler.h"
#include "common/MessageBoxes.h"
#include "common/UnsavedChanges.h"
#include "monsters/MonsterPage.h"
#include "portals/PortalPage.h"
#include "spawns/SpawnPage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTabWidget>
#include <QUndoGroup>

namespace {
constexpr EditedTable kWrittenFiles[] = {EditedTable::InitMonster, EditedTable::GenMonster, EditedTable::Etc};

bool isUndoOrRedo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}
} // namespace

// Made right after "Load", so the menu stands second.
QMenu* MainWindow::editMenu() {
    if (editMenu_ == nullptr) {
        QMenuBar* bar = menuBar();
        editMenu_ = new QMenu(QStringLiteral("Edit"), bar);
        editMenu_->setObjectName("Edit4");
        bar->addMenu(editMenu_);
    }
    return editMenu_;
}

void MainWindow::buildUndoActions() {
    undoGroup_ = new QUndoGroup(this);
    for (FileHistory& history : MainWindowData::histories) {
        undoGroup_->addStack(&history.stack());
    }
    undoAction_ = undoGroup_->createUndoAction(this, QStringLiteral("Undo"));
    undoAction_->setObjectName("Undo1");
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = undoGroup_->createRedoAction(this, QStringLiteral("Redo"));
    redoAction_->setObjectName("Redo1");
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    editMenu()->addActions({undoAction_, redoAction_});
    addActions({undoAction_, redoAction_});
    // A line edit in front takes Ctrl+Z for its own undo; here every change is
    // undone through the history of its table.
    qApp->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && isUndoOrRedo(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

FileHistory& MainWindow::history(EditedTable table) {
    return MainWindowData::histories[static_cast<std::size_t>(table)];
}

void MainWindow::followPageInFront() {
    const std::optional<EditedTable> table = tableInFront();
    undoGroup_->setActiveStack(table ? &history(*table).stack() : nullptr);
}

void MainWindow::showUnsavedChanges() {
    bool unsaved = false;
    for (const EditedTable file : kWrittenFiles) {
        unsaved = unsaved || history(file).HasUnsavedChanges();
    }
    setWindowModified(unsaved);
}

bool MainWindow::mayClose() {
    const std::function<bool()> saves[] = {[this] { return monsterPage()->saveInitMonster(); },
                                           [this] { return spawnPage_->saveGenMonster(); },
                                           [this] { return portalPage()->saveEtc(); }};
    for (std::size_t i = 0; i < std::size(kWrittenFiles); ++i) {
        bool mayGo = false;
        // A save that fails is shown like any failed handler, and keeps the program open.
        Guarded(*this, [&] { mayGo = MayDropChanges(*this, history(kWrittenFiles[i]), saves[i]); })();
        if (!mayGo) {
            return false;
        }
    }
    return true;
}

SaveChoice MainWindow::AskToSave(const QString& question, QWidget* over) {
    return ::AskToSave(over ? over : this, question);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}
