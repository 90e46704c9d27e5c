#include "app/TForm1.h"

#include "app/FileDialogs.h"
#include "app/JpegPicture.h"
#include "app/MessageBoxes.h"
#include "items/CharacterPage.h"
#include "items/ItemPage.h"
#include "monsters/MonsterPage.h"
#include "portals/PortalPage.h"
#include "spawns/SpawnPage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
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
} // namespace

TForm1::TForm1() {
    setObjectName("Form1");
    setWindowTitle(kApplicationTitle);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    FormCreate();
    buildDialogs();

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName("StatusBar1");
    statusBar->setSizeGripEnabled(false);
    statusBar->setFixedHeight(kStatusHeight);
    statusPanel_ = new QLabel(statusBar);
    statusPanel_->setObjectName("StatusPanel0");
    statusPanel_->setFixedWidth(550);
    statusBar->addWidget(statusPanel_);
    setStatusBar(statusBar);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    buildMenu();
    buildPages();

    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    move(177, 135);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    state_.NamesLoaded = false;
    state_.GenMonsterLoaded = false;
    state_.InitItemLoaded = false;
    state_.ItemNamesLoaded = false;
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);
    QMenu* load = bar->addMenu(QStringLiteral("Load"));
    load->setObjectName("Load1");
    QAction* itemName = load->addAction(QStringLiteral("ItemName"));
    itemName->setObjectName("ItemName1");
    QAction* monsterName = load->addAction(QStringLiteral("MonsterName"));
    monsterName->setObjectName("MonsterName1");
    QAction* about = bar->addAction(QStringLiteral("About"));
    about->setObjectName("About1");
    QAction* exit = bar->addAction(QStringLiteral("Exit"));
    exit->setObjectName("Exit1");

    connect(itemName, &QAction::triggered, this, [this] { itemPage_->ItemName1Click(); });
    connect(monsterName, &QAction::triggered, this, [this] { monsterPage_->MonsterName1Click(); });
    connect(about, &QAction::triggered, this, &TForm1::About1Click);
    connect(exit, &QAction::triggered, this, &TForm1::Exit1Click);
}

void TForm1::buildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setFixedSize(kClientWidth, kPageHeight);
    setCentralWidget(PageControl1);

    QWidget* character = addSheet(PageControl1, "TabSheet1", "Character", false);
    QWidget* item = addSheet(PageControl1, "TabSheet2", "Item", true);
    QWidget* shop = addSheet(PageControl1, "TabSheet3", "Shop", false);
    QWidget* monster = addSheet(PageControl1, "TabSheet4", "Monster", true);
    QWidget* map = addSheet(PageControl1, "TabSheet9", "Map", true);
    addSheet(PageControl1, "TabSheet5", "Skill", false);
    addSheet(PageControl1, "TabSheet6", "Misc", false);
    addSheet(PageControl1, "TabSheet7", "Quest", false);
    addSheet(PageControl1, "TabSheet8", "dodatkow", false);

    auto* shopList = new QListWidget(shop);
    shopList->setObjectName("ListBox1");
    shopList->setGeometry(8, 8, 200, 400);

    buildHiddenPages();
    buildMapPage(map);

    monsterPage_ = new MonsterPage(*this, monster);
    itemPage_ = new ItemPage(*this, item);
    characterPage_ = new CharacterPage(*this, character);
    PageControl1->setCurrentWidget(map);
}

void TForm1::buildMapPage(QWidget* sheet) {
    PageControl2 = new QTabWidget(sheet);
    PageControl2->setObjectName("PageControl2");
    PageControl2->setGeometry(0, 0, 390, 445);
    QWidget* portals = addSheet(PageControl2, "TabSheet12", "Portals", true);
    QWidget* monsters = addSheet(PageControl2, "TabSheet10", "Monsters", true);
    addSheet(PageControl2, "TabSheet11", "NPC", false);
    PageControl2->setCurrentWidget(monsters);

    auto* world = new QLabel(sheet);
    world->setObjectName("Image14");
    world->setGeometry(392, 0, 241, 441);
    world->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QImage picture = LoadJpegPicture(QStringLiteral(":/pictures/world.jpg"));
    if (picture.width() > world->width() || picture.height() > world->height()) {
        picture = picture.scaled(world->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    world->setPixmap(QPixmap::fromImage(picture));

    spawnPage_ = new SpawnPage(*this, monsters);
    portalPage_ = new PortalPage(*this, portals);
}

void TForm1::buildHiddenPages() {
    QWidget* extras = PageControl1->findChild<QWidget*>("TabSheet8");
    Memo1 = new QPlainTextEdit(extras);
    Memo1->setObjectName("Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setGeometry(8, 8, 400, 200);

    auto* log = new QPlainTextEdit(extras);
    log->setObjectName("Logmemo");
    log->setReadOnly(true);
    log->setPlainText(QStringLiteral("Log..."));
    log->setGeometry(8, 216, 400, 150);
    lines_ = std::make_unique<LineBuffer>(Memo1);

    auto* init = new QLabel(extras);
    init->setObjectName("ost_init");
    init->setGeometry(420, 8, 100, 16);
    auto* names = new QLabel(extras);
    names->setObjectName("ost_nazwa");
    names->setGeometry(420, 28, 100, 16);
}

void TForm1::buildDialogs() {
    MakeOpenDialog(this, "OpenDialog1", "Select InitMonster", "InitMonster|InitMonster.txt|All txt|*.txt|ALL|*.*");
    MakeOpenDialog(this, "OpenDialog2", "Select file with monsters name", "All txt|*.txt|ALL|*.*");
    MakeOpenDialog(this, "OpenInitItem", "Select InitItem", "InitItem|InitItem.txt|All txt|*.txt|ALL|*.*");
    MakeOpenDialog(this, "OpenItemsName", "Select items name", "All txt|*.txt|ALL|*.*");
    // OpenDialog3 serves two readers; each sets its filter, and only the
    // GenMonster reader sets a title, which then stays.
    MakeOpenDialog(this, "OpenDialog3", QString(), "ALL|*.*");
    MakeSaveDialog(this, "SaveDialog1", "InitMonster|InitMonster.txt|ALL|*.*", "InitMonster.txt");
    MakeSaveDialog(this, "SaveDialog2", "GenMonster|GenMonster.txt|All txt|*.txt|ALL|*.*", "GenMonster.txt");
    MakeSaveDialog(this, "SaveDialog3", QString(), QString());
}

QFileDialog* TForm1::dialog(const QString& objectName) const {
    auto* found = findChild<QFileDialog*>(objectName, Qt::FindDirectChildrenOnly);
    Q_ASSERT(found);
    return found;
}

void TForm1::setSecondaryWindows(TForm3* form3, TForm4* form4, TForm6* form6) {
    form3_ = form3;
    form4_ = form4;
    form6_ = form6;
}

void TForm1::PostStatus(const QString& text) {
    statusPanel_->setText(text);
    statusBar()->setProperty("text", text);
    // Enabling a running timer does not restart its count.
    if (!Timer1->isActive()) {
        Timer1->start();
    }
}

QString TForm1::statusText() const { return statusPanel_->text(); }

void TForm1::Timer1Timer() {
    Timer1->stop();
    statusPanel_->setText(QString());
    statusBar()->setProperty("text", QString());
}

void TForm1::About1Click() {
    Information(this, QStringLiteral("Brennick v1.14a\n\nWritten by the Brennick developers.\n"
                                     "Thanks to every server operator who sent us their data files."));
}

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}
