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

MainWindow::PageFile MainWindow::pageFileInFront() const {
    const QWidget* page = pages_->currentWidget();
    if (page->objectName() == "TabSheet9") {
        page = mapPages_->currentWidget();
    }
    const QString name = page->objectName();
    return name == "TabSheet4"    ? PageFile::InitMonster
           : name == "TabSheet10" ? PageFile::GenMonster
           : name == "TabSheet12" ? PageFile::Etc
           : name == "TabSheet2"  ? PageFile::InitItem
                                  : PageFile::None;
}

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
    const PageFile file = pageFileInFront();
    // The name the page's buttons give the file.
    const QString name = file == PageFile::InitMonster  ? QStringLiteral(" InitMonster")
                         : file == PageFile::GenMonster ? QStringLiteral(" GenMonster")
                         : file == PageFile::Etc        ? QStringLiteral(" Etc")
                         : file == PageFile::InitItem   ? QStringLiteral(" InitItem")
                                                        : QString();
    const bool loads = file != PageFile::None;
    const bool saves = loads && file != PageFile::InitItem;
    loadPageFileAction_->setText(QStringLiteral("Load") + name);
    loadPageFileAction_->setEnabled(loads);
    savePageFileAction_->setText(saves ? QStringLiteral("Save") + name : QStringLiteral("Save"));
    savePageFileAction_->setEnabled(saves);
}

void MainWindow::loadPageFile() {
    switch (pageFileInFront()) {
    case PageFile::InitMonster:
        monsterPage()->loadInitMonster();
        return;
    case PageFile::GenMonster:
        spawnPage_->loadGenMonster();
        return;
    case PageFile::Etc:
        portalPage()->loadEtc();
        return;
    case PageFile::InitItem:
        itemPage()->loadInitItem();
        return;
    case PageFile::None:
        return;
    }
}

void MainWindow::savePageFile() {
    switch (pageFileInFront()) {
    case PageFile::InitMonster:
        monsterPage()->saveInitMonster();
        return;
    case PageFile::GenMonster:
        spawnPage_->saveGenMonster();
        return;
    case PageFile::Etc:
        portalPage()->saveEtc();
        return;
    case PageFile::InitItem:
    case PageFile::None:
        return;
    }
}
