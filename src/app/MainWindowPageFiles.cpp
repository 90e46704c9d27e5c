// The load and save of the page in front, in the "Load" menu with the keys
// Ctrl+O and Ctrl+S.
#include "MainWindow.h"

#include "common/GuardedHandler.h"
#include "items/ItemPage.h"
#include "monsters/MonsterPage.h"
#include "portals/PortalPage.h"
#include "spawns/SpawnPage.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

void MainWindow::buildPageFileActions(QMenu* load) {
    load->addSeparator();
    loadPageFileAction_ = load->addAction(QString());
    loadPageFileAction_->setObjectName("LoadPageFile1");
    loadPageFileAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    savePageFileAction_ = load->addAction(QString());
    savePageFileAction_->setObjectName("SavePageFile1");
    savePageFileAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
}

void MainWindow::wirePageFileActions() {
    for (QTabWidget* pages : {pages_, mapPages_}) {
        connect(pages, &QTabWidget::currentChanged, this,
                Guarded(*this, this, &MainWindow::showPageFileActions));
    }
    connect(loadPageFileAction_, &QAction::triggered, this, Guarded(*this, this, &MainWindow::loadPageFile));
    connect(savePageFileAction_, &QAction::triggered, this, Guarded(*this, this, &MainWindow::savePageFile));
    showPageFileActions();
}

// The actions are named for the file of the page in front; the item page
// loads InitItem.txt but never writes it.
void MainWindow::showPageFileActions() {
    const std::optional<EditedTable> table = tableInFront();
    // The name the page's buttons give the file.
    QString name;
    if (table) {
        switch (*table) {
        case EditedTable::InitMonster:
            name = QStringLiteral(" InitMonster");
            break;
        case EditedTable::GenMonster:
            name = QStringLiteral(" GenMonster");
            break;
        case EditedTable::Etc:
            name = QStringLiteral(" Etc");
            break;
        case EditedTable::Items:
            name = QStringLiteral(" InitItem");
            break;
        }
    }
    const bool saves = table && *table != EditedTable::Items;
    loadPageFileAction_->setText(QStringLiteral("Load") + name);
    loadPageFileAction_->setEnabled(table.has_value());
    savePageFileAction_->setText(saves ? QStringLiteral("Save") + name : QStringLiteral("Save"));
    savePageFileAction_->setEnabled(saves);
}

void MainWindow::loadPageFile() {
    const std::optional<EditedTable> table = tableInFront();
    if (!table) {
        return;
    }
    switch (*table) {
    case EditedTable::InitMonster:
        monsterPage()->loadInitMonster();
        return;
    case EditedTable::GenMonster:
        spawnPage_->loadGenMonster();
        return;
    case EditedTable::Etc:
        portalPage()->loadEtc();
        return;
    case EditedTable::Items:
        itemPage()->loadInitItem();
        return;
    }
}

void MainWindow::savePageFile() {
    const std::optional<EditedTable> table = tableInFront();
    if (!table) {
        return;
    }
    switch (*table) {
    case EditedTable::InitMonster:
        monsterPage()->saveInitMonster();
        return;
    case EditedTable::GenMonster:
        spawnPage_->saveGenMonster();
        return;
    case EditedTable::Etc:
        portalPage()->saveEtc();
        return;
    case EditedTable::Items:
        return;
    }
}
