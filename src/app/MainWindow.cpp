#include "MainWindow.h"

#include "common/AtomicSave.h"
#include "common/FileDialogs.h"
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

MainWindow::MainWindow() : MainWindow(QCoreApplication::applicationDirPath()) {}

MainWindow::MainWindow(const QString& programFolder)
    : workspace_(std::make_unique<Workspace>()), mapImages_(programFolder) {
    setObjectName("Form1");
    setWindowTitle(kApplicationTitle);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    FormCreate();

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

    buildMenu();
    buildPages();

    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    move(177, 135);

    form3_ = std::make_unique<AreaViewer>(*this, *workspace_, mapImages_);
    form4_ = std::make_unique<AddSpawnDialog>(*this, *workspace_, spawnPage_->editor());
    form6_ = std::make_unique<AddPortalDialog>(*this, portalPage_->editor());
    wireHandlers();
}

MainWindow::~MainWindow() {
    // The pages go before the workspace they edit.
    delete PageControl1;
}

void MainWindow::FormCreate() {
    workspace_->NamesLoaded = false;
    workspace_->GenMonsterLoaded = false;
    workspace_->InitItemLoaded = false;
    workspace_->ItemNamesLoaded = false;
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);
    QMenu* load = bar->addMenu(QStringLiteral("Load"));
    load->setObjectName("Load1");
    ItemName1 = load->addAction(QStringLiteral("ItemName"));
    ItemName1->setObjectName("ItemName1");
    MonsterName1 = load->addAction(QStringLiteral("MonsterName"));
    MonsterName1->setObjectName("MonsterName1");
    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName("Options1");
    Keepcommentsandlayout1 = options->addAction(QStringLiteral("Keep comments and layout"));
    Keepcommentsandlayout1->setObjectName("Keepcommentsandlayout1");
    Keepcommentsandlayout1->setCheckable(true);
    About1 = bar->addAction(QStringLiteral("About"));
    About1->setObjectName("About1");
    Exit1 = bar->addAction(QStringLiteral("Exit"));
    Exit1->setObjectName("Exit1");
}

void MainWindow::buildPages() {
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

    monsterPage_ = new MonsterPage(*this, *workspace_, monster);
    itemPage_ = new ItemPage(*this, *workspace_, item);
    new FieldDumpPage(*this, *workspace_, character); // owned by its sheet, like every page
    PageControl1->setCurrentWidget(map);
}

void MainWindow::buildMapPage(QWidget* sheet) {
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

    spawnPage_ = new SpawnPage(*this, *workspace_, monsters);
    portalPage_ = new PortalPage(*this, *workspace_, portals);
}

void MainWindow::buildHiddenPages() {
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
    lines_ = std::make_unique<WriterLines>(Memo1);

    ost_init = new QLabel(extras);
    ost_init->setObjectName("ost_init");
    ost_init->setGeometry(420, 8, 100, 16);
    ost_nazwa = new QLabel(extras);
    ost_nazwa->setObjectName("ost_nazwa");
    ost_nazwa->setGeometry(420, 28, 100, 16);
}

// A file dialog is built when it is first shown: building all of them took
// most of the start-up time. Once built it keeps its settings for the run.
QFileDialog* MainWindow::fileDialog(FileDialog which) {
    QFileDialog*& dialog = dialogs_[which];
    if (dialog != nullptr) {
        return dialog;
    }
    switch (which) {
    case FileDialog::OpenDialog1:
        dialog = MakeOpenDialog(this, "OpenDialog1", "Select InitMonster",
                                "InitMonster|InitMonster.txt|All txt|*.txt|ALL|*.*");
        break;
    case FileDialog::OpenDialog2:
        dialog =
            MakeOpenDialog(this, "OpenDialog2", "Select file with monsters name", "All txt|*.txt|ALL|*.*");
        break;
    case FileDialog::OpenInitItem:
        dialog = MakeOpenDialog(this, "OpenInitItem", "Select InitItem",
                                "InitItem|InitItem.txt|All txt|*.txt|ALL|*.*");
        break;
    case FileDialog::OpenItemsName:
        dialog = MakeOpenDialog(this, "OpenItemsName", "Select items name", "All txt|*.txt|ALL|*.*");
        break;
    case FileDialog::OpenDialog3:
        // OpenDialog3 serves two readers; each sets its filter, and only the
        // GenMonster reader sets a title, which then stays.
        dialog = MakeOpenDialog(this, "OpenDialog3", QString(), "ALL|*.*");
        break;
    case FileDialog::SaveDialog1:
        dialog =
            MakeSaveDialog(this, "SaveDialog1", "InitMonster|InitMonster.txt|ALL|*.*", "InitMonster.txt");
        break;
    case FileDialog::SaveDialog2:
        dialog = MakeSaveDialog(this, "SaveDialog2", "GenMonster|GenMonster.txt|All txt|*.txt|ALL|*.*",
                                "GenMonster.txt");
        break;
    case FileDialog::SaveDialog3:
        dialog = MakeSaveDialog(this, "SaveDialog3", QString(), QString());
        break;
    }
    return dialog;
}

// Every handler of the main window, and every request of one page or window
// to another, is connected here.
void MainWindow::wireHandlers() {
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    connect(ItemName1, &QAction::triggered, itemPage_, Guarded(*this, itemPage_, &ItemPage::loadItemNames));
    connect(MonsterName1, &QAction::triggered, monsterPage_,
            Guarded(*this, monsterPage_, &MonsterPage::loadMonsterNames));
    connect(Keepcommentsandlayout1, &QAction::toggled, this,
            [this](bool checked) { workspace_->KeepLayout = checked; });
    connect(About1, &QAction::triggered, this, Guarded(*this, this, &MainWindow::About1Click));
    connect(Exit1, &QAction::triggered, this, &MainWindow::Exit1Click);

    connect(itemPage_, &ItemPage::initItemRead, ost_init,
            [this](std::int64_t lastRow) { ost_init->setText(QString::number(lastRow)); });
    connect(itemPage_, &ItemPage::itemNamesRead, ost_nazwa,
            [this](std::int64_t lastRow) { ost_nazwa->setText(QString::number(lastRow)); });

    connect(spawnPage_, &SpawnPage::monsterNamesWanted, monsterPage_, Guarded(*this, [this](bool& finished) {
                monsterPage_->loadMonsterNames();
                finished = true;
            }));
    connect(spawnPage_, &SpawnPage::areasToShow, form3_.get(),
            Guarded(*this, form3_.get(), &AreaViewer::showSelectedAreas));
    connect(spawnPage_, &SpawnPage::addSpawnWanted, form4_.get(),
            Guarded(*this, form4_.get(), &AddSpawnDialog::open));
    connect(form4_.get(), &AddSpawnDialog::minimapWanted, form3_.get(), Guarded(*this, [this](bool& shown) {
                form3_->showMinimap();
                shown = true;
            }));
    connect(form4_.get(), &AddSpawnDialog::selectionArmWanted, form3_.get(),
            Guarded(*this, form3_.get(), &AreaViewer::armSelection));
    connect(form4_.get(), &AddSpawnDialog::selectionDisarmWanted, form3_.get(),
            Guarded(*this, form3_.get(), &AreaViewer::disarmSelection));
    connect(form4_.get(), &AddSpawnDialog::viewerHideWanted, form3_.get(),
            Guarded(*this, [this] { form3_->hide(); }));
    connect(form4_.get(), &AddSpawnDialog::viewerCloseWanted, form3_.get(),
            Guarded(*this, [this] { form3_->close(); }));
    connect(form3_.get(), &AreaViewer::selectionStarted, form4_.get(),
            Guarded(*this, form4_.get(), &AddSpawnDialog::setSelectionStart));
    connect(form3_.get(), &AreaViewer::selectionEnded, form4_.get(), Guarded(*this, [this](int x2, int y1) {
                form4_->setSelectionEnd(x2, y1);
                form4_->showAfterSelection();
            }));

    connect(portalPage_, &PortalPage::addPortalWanted, form6_.get(),
            Guarded(*this, form6_.get(), &AddPortalDialog::open));
}

void MainWindow::PostStatus(const QString& text) {
    statusPanel_->setText(text);
    // Enabling a running timer does not restart its count.
    if (!Timer1->isActive()) {
        Timer1->start();
    }
}

QString MainWindow::statusText() const {
    return statusPanel_->text();
}

void MainWindow::Timer1Timer() {
    Timer1->stop();
    statusPanel_->setText(QString());
}

bool MainWindow::Confirm(const QString& question, QWidget* over) {
    return ::Confirm(over ? over : this, question);
}

void MainWindow::Information(const QString& text, QWidget* over) {
    ::Information(over ? over : this, text);
}

void MainWindow::Warning(const QString& text, QWidget* over) {
    ::Warning(over ? over : this, text);
}

void MainWindow::ErrorMessage(const QString& text, QWidget* over) {
    ::ErrorMessage(over ? over : this, text);
}

void MainWindow::ShowFailure(const QString& message) {
    ::ShowFailure(QApplication::activeWindow(), message);
}

std::optional<QString> MainWindow::chooseFile(FileDialog which, const DialogSettings& settings) {
    QFileDialog* dialog = fileDialog(which);
    if (settings.title) {
        dialog->setWindowTitle(*settings.title);
    }
    if (settings.filter) {
        SetDialogFilter(dialog, *settings.filter);
    }
    if (settings.defaultSuffix) {
        dialog->setDefaultSuffix(*settings.defaultSuffix);
    }
    return RunFileDialog(dialog);
}

void MainWindow::SaveFile(const QString& path, const std::string& bytes) {
    SaveFileAtomically(path, bytes);
}

void MainWindow::About1Click() {
    Information(QStringLiteral("Brennick v1.14a\n\nWritten by the Brennick developers.\n"
                               "Thanks to every server operator who sent us their data files."));
}

void MainWindow::Exit1Click() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}
