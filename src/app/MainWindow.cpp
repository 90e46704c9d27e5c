#include "MainWindow.h"

#include "common/FindField.h"
#include "common/GuardedHandler.h"
#include "common/JpegPicture.h"
#include "common/MessageBoxes.h"
#include "items/FieldDumpPage.h"
#include "items/ItemPage.h"
#include "maps/AreaViewer.h"
#include "monsters/MonsterPage.h"
#include "portals/AddPortalDialog.h"
#include "portals/PortalPage.h"
#include "spawns/AddSpawnDialog.h"
#include "spawns/SpawnPage.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int kClientWidth = 641;
constexpr int kClientHeight = 492;
constexpr int kPageHeight = 473;
constexpr int kStatusHeight = 19;

QWidget* addSheet(QTabWidget* pages, const QString& objectName, const QString& caption, bool shown) {
    auto* sheet = new QWidget;
    sheet->setObjectName(objectName);
    const int index = pages->addTab(sheet, caption);
    pages->setTabVisible(index, shown);
    return sheet;
}

// A secondary window, built without a parent, becomes the main window's own
// while it stays a window of its own.
template <typename Window> Window* adopt(QWidget* owner, Window* window) {
    window->setParent(owner, window->windowFlags());
    return window;
}
} // namespace

MainWindow::MainWindow() : MainWindow(QCoreApplication::applicationDirPath()) {}

MainWindow::MainWindow(const QString& programFolder) : MainWindowData(programFolder) {
    setObjectName("Form1");
    setWindowTitle(kApplicationTitle + QStringLiteral("[*]"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, true);

    buildStatusLine();
    buildMenu();
    buildPages();
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    move(177, 135);
    wireHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStatusLine() {
    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName("StatusBar1");
    statusBar->setSizeGripEnabled(false);
    statusBar->setFixedHeight(kStatusHeight);
    statusPanel_ = new QLabel(statusBar);
    statusPanel_->setObjectName("StatusPanel0");
    statusPanel_->setFixedWidth(550);
    statusBar->addWidget(statusPanel_);
    findField_ = new FindField(
        *this, [this] { return findTarget(); }, statusBar);
    statusBar->addWidget(findField_, 1);
    setStatusBar(statusBar);

    statusTimer_ = new QTimer(this);
    statusTimer_->setObjectName("Timer1");
    statusTimer_->setInterval(3000);
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);
    QMenu* load = bar->addMenu(QStringLiteral("Load"));
    load->setObjectName("Load1");
    loadItemNamesAction_ = load->addAction(QStringLiteral("ItemName"));
    loadItemNamesAction_->setObjectName("ItemName1");
    loadMonsterNamesAction_ = load->addAction(QStringLiteral("MonsterName"));
    loadMonsterNamesAction_->setObjectName("MonsterName1");
    buildPageFileActions(load);
    buildUndoActions();
    editMenu()->addSeparator();
    findAction_ = editMenu()->addAction(QStringLiteral("Find..."));
    findAction_->setObjectName("Find1");
    findAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName("Options1");
    keepLayoutAction_ = options->addAction(QStringLiteral("Keep comments and layout"));
    keepLayoutAction_->setObjectName("Keepcommentsandlayout1");
    keepLayoutAction_->setCheckable(true);
    aboutAction_ = bar->addAction(QStringLiteral("About"));
    aboutAction_->setObjectName("About1");
    exitAction_ = bar->addAction(QStringLiteral("Exit"));
    exitAction_->setObjectName("Exit1");
}

void MainWindow::buildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->setFixedSize(kClientWidth, kPageHeight);
    setCentralWidget(pages_);

    addSheet(pages_, "TabSheet1", "Character", false);
    addSheet(pages_, "TabSheet2", "Item", true);
    addSheet(pages_, "TabSheet3", "Shop", false);
    addSheet(pages_, "TabSheet4", "Monster", true);
    QWidget* map = addSheet(pages_, "TabSheet9", "Map", true);
    addSheet(pages_, "TabSheet5", "Skill", false);
    addSheet(pages_, "TabSheet6", "Misc", false);
    addSheet(pages_, "TabSheet7", "Quest", false);
    extras_ = addSheet(pages_, "TabSheet8", "dodatkow", false);

    buildMapPage(map);
    pages_->setCurrentWidget(map);
}

void MainWindow::buildMapPage(QWidget* sheet) {
    mapPages_ = new QTabWidget(sheet);
    mapPages_->setObjectName("PageControl2");
    mapPages_->setGeometry(0, 0, 390, 445);
    addSheet(mapPages_, "TabSheet12", "Portals", true);
    QWidget* monsters = addSheet(mapPages_, "TabSheet10", "Monsters", true);
    addSheet(mapPages_, "TabSheet11", "NPC", false);
    mapPages_->setCurrentWidget(monsters);

    auto* world = new QLabel(sheet);
    world->setObjectName("Image14");
    world->setGeometry(392, 0, 241, 441);
    world->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QImage picture = LoadJpegPicture(QStringLiteral(":/pictures/world.jpg"));
    if (picture.width() > world->width() || picture.height() > world->height()) {
        picture = picture.scaled(world->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    world->setPixmap(QPixmap::fromImage(picture));

    spawnPage_ = new SpawnPage(*this, MainWindowData::workspace, monsters);
}

MonsterPage* MainWindow::monsterPage() {
    if (monsterPage_ == nullptr) {
        monsterPage_ =
            new MonsterPage(*this, MainWindowData::workspace, pages_->findChild<QWidget*>("TabSheet4"));
    }
    return monsterPage_;
}

ItemPage* MainWindow::itemPage() {
    if (itemPage_ != nullptr) {
        return itemPage_;
    }
    itemPage_ = new ItemPage(*this, MainWindowData::workspace, pages_->findChild<QWidget*>("TabSheet2"));
    connect(itemPage_, &ItemPage::initItemRead, this, [this](std::int64_t lastRow) {
        hiddenPageExtras();
        lastItemRowLabel_->setText(QString::number(lastRow));
    });
    connect(itemPage_, &ItemPage::itemNamesRead, this, [this](std::int64_t lastRow) {
        hiddenPageExtras();
        lastItemNameRowLabel_->setText(QString::number(lastRow));
    });
    return itemPage_;
}

PortalPage* MainWindow::portalPage() {
    if (portalPage_ != nullptr) {
        return portalPage_;
    }
    portalPage_ =
        new PortalPage(*this, MainWindowData::workspace, mapPages_->findChild<QWidget*>("TabSheet12"));
    connect(portalPage_, &PortalPage::addPortalWanted, this,
            Guarded(*this, [this] { addPortalDialog()->open(); }));
    return portalPage_;
}

// A page is built when its tab is first brought to the front.
void MainWindow::buildPageShown(QWidget* sheet) {
    const QString name = sheet != nullptr ? sheet->objectName() : QString();
    if (name == "TabSheet4") {
        monsterPage();
    } else if (name == "TabSheet2") {
        itemPage();
    } else if (name == "TabSheet12") {
        portalPage();
    }
}

void MainWindow::buildRemainingParts() {
    monsterPage();
    itemPage();
    portalPage();
    hiddenPageExtras();
    if (!fieldDumpBuilt_) {
        fieldDumpBuilt_ = true;
        QWidget* character = pages_->findChild<QWidget*>("TabSheet1");
        new FieldDumpPage(*this, MainWindowData::workspace, character); // owned by its sheet
        auto* shopList = new QListWidget(pages_->findChild<QWidget*>("TabSheet3"));
        shopList->setObjectName("ListBox1");
        shopList->setGeometry(8, 8, 200, 400);
    }
    areaViewer();
    addSpawnDialog();
    addPortalDialog();
}

QWidget* MainWindow::hiddenPageExtras() {
    if (lines_) {
        return extras_;
    }
    auto* memo = new QPlainTextEdit(extras_);
    memo->setObjectName("Memo1");
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setGeometry(8, 8, 400, 200);
    lines_ = std::make_unique<WriterLines>(memo);

    auto* log = new QPlainTextEdit(extras_);
    log->setObjectName("Logmemo");
    log->setReadOnly(true);
    log->setPlainText(QStringLiteral("Log..."));
    log->setGeometry(8, 216, 400, 150);

    lastItemRowLabel_ = new QLabel(extras_);
    lastItemRowLabel_->setObjectName("ost_init");
    lastItemRowLabel_->setGeometry(420, 8, 100, 16);
    lastItemNameRowLabel_ = new QLabel(extras_);
    lastItemNameRowLabel_->setObjectName("ost_nazwa");
    lastItemNameRowLabel_->setGeometry(420, 28, 100, 16);
    return extras_;
}

AreaViewer* MainWindow::areaViewer() {
    if (areaViewer_ != nullptr) {
        return areaViewer_;
    }
    areaViewer_ = adopt(this, new AreaViewer(*this, MainWindowData::workspace, mapImages));
    connect(areaViewer_, &AreaViewer::selectionStarted, this,
            Guarded(*this, [this](int x1, int y2) { addSpawnDialog()->setSelectionStart(x1, y2); }));
    connect(areaViewer_, &AreaViewer::selectionEnded, this, Guarded(*this, [this](int x2, int y1) {
                addSpawnDialog()->setSelectionEnd(x2, y1);
                addSpawnDialog()->showAfterSelection();
            }));
    return areaViewer_;
}

AddSpawnDialog* MainWindow::addSpawnDialog() {
    if (addSpawnDialog_ != nullptr) {
        return addSpawnDialog_;
    }
    addSpawnDialog_ = adopt(this, new AddSpawnDialog(*this, MainWindowData::workspace, spawnPage_->editor()));
    connect(addSpawnDialog_, &AddSpawnDialog::minimapWanted, this, Guarded(*this, [this](bool& shown) {
                areaViewer()->showMinimap();
                shown = true;
            }));
    connect(addSpawnDialog_, &AddSpawnDialog::selectionArmWanted, this,
            Guarded(*this, [this] { areaViewer()->armSelection(); }));
    connect(addSpawnDialog_, &AddSpawnDialog::selectionDisarmWanted, this,
            Guarded(*this, [this] { areaViewer()->disarmSelection(); }));
    connect(addSpawnDialog_, &AddSpawnDialog::viewerHideWanted, this,
            Guarded(*this, [this] { areaViewer()->hide(); }));
    connect(addSpawnDialog_, &AddSpawnDialog::viewerCloseWanted, this,
            Guarded(*this, [this] { areaViewer()->close(); }));
    return addSpawnDialog_;
}

AddPortalDialog* MainWindow::addPortalDialog() {
    if (addPortalDialog_ == nullptr) {
        addPortalDialog_ = adopt(this, new AddPortalDialog(*this, portalPage()->editor()));
    }
    return addPortalDialog_;
}

// Every handler of the main window, and every request of one page or window
// to another, is connected here; the windows built later connect theirs when
// they are built.
void MainWindow::wireHandlers() {
    connect(statusTimer_, &QTimer::timeout, this, &MainWindow::clearStatus);
    for (QTabWidget* pages : {pages_, mapPages_}) {
        connect(pages, &QTabWidget::currentChanged, this, Guarded(*this, [this, pages](int index) {
                    buildPageShown(pages->widget(index));
                    followPageInFront();
                }));
    }
    followPageInFront();
    for (FileHistory& history : MainWindowData::histories) {
        connect(&history.stack(), &QUndoStack::cleanChanged, this, &MainWindow::showUnsavedChanges);
    }
    connect(loadItemNamesAction_, &QAction::triggered, this,
            Guarded(*this, [this] { itemPage()->loadItemNames(); }));
    connect(loadMonsterNamesAction_, &QAction::triggered, this,
            Guarded(*this, [this] { monsterPage()->loadMonsterNames(); }));
    connect(keepLayoutAction_, &QAction::toggled, this,
            [this](bool checked) { MainWindowData::workspace.KeepLayout = checked; });
    connect(findAction_, &QAction::triggered, this, Guarded(*this, [this] { findField_->open(); }));
    connect(aboutAction_, &QAction::triggered, this, Guarded(*this, this, &MainWindow::showAbout));
    connect(exitAction_, &QAction::triggered, this, &MainWindow::exitProgram);
    wirePageFileActions();

    connect(spawnPage_, &SpawnPage::monsterNamesWanted, this, Guarded(*this, [this](bool& finished) {
                monsterPage()->loadMonsterNames();
                finished = true;
            }));
    connect(spawnPage_, &SpawnPage::areasToShow, this,
            Guarded(*this, [this](const std::vector<std::string>& areas) {
                areaViewer()->showSelectedAreas(areas);
            }));
    connect(spawnPage_, &SpawnPage::addSpawnWanted, this,
            Guarded(*this, [this] { addSpawnDialog()->open(); }));
}

std::optional<EditedTable> MainWindow::tableInFront() const {
    const QWidget* page = pages_->currentWidget();
    if (page->objectName() == "TabSheet9") {
        page = mapPages_->currentWidget();
    }
    const QString name = page->objectName();
    if (name == "TabSheet4") {
        return EditedTable::InitMonster;
    }
    if (name == "TabSheet10") {
        return EditedTable::GenMonster;
    }
    if (name == "TabSheet12") {
        return EditedTable::Etc;
    }
    if (name == "TabSheet2") {
        return EditedTable::Items;
    }
    return std::nullopt;
}

std::optional<FindTarget> MainWindow::findTarget() {
    const std::optional<EditedTable> table = tableInFront();
    if (!table) {
        return std::nullopt;
    }
    switch (*table) {
    case EditedTable::InitMonster:
        return monsterPage()->findTarget();
    case EditedTable::GenMonster:
        return spawnPage_->findTarget();
    case EditedTable::Etc:
        return portalPage()->findTarget();
    case EditedTable::Items:
        return itemPage()->findTarget();
    }
    return std::nullopt;
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The first update request paints the window; what it does not show is
    // built right after, from the event loop.
    if (event->type() == QEvent::UpdateRequest && !painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, Guarded(*this, this, &MainWindow::buildRemainingParts));
    }
    return handled;
}

void MainWindow::showAbout() {
    Information(QStringLiteral("Brennick v1.14a\n\nWritten by the Brennick developers.\n"
                               "Thanks to every server operator who sent us their data files."));
}

void MainWindow::exitProgram() {
    close();
}
