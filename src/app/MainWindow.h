#pragma once

#include "common/FileHistory.h"
#include "common/FindTarget.h"
#include "common/Shell.h"
#include "common/WriterLines.h"
#include "maps/MapImageStore.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QUndoGroup;

class AddPortalDialog;
class AddSpawnDialog;
class AreaViewer;
class FindField;
class ItemPage;
class MonsterPage;
class PortalPage;
class SpawnPage;

// What the main window owns for the whole run and lends to its pages and
// windows. As a base of the main window it is made before the first page and
// goes after the last one: the pages and windows are the main window's
// children, which Qt deletes in the main window's own destructor.
struct MainWindowData {
    explicit MainWindowData(const QString& programFolder) : mapImages(programFolder) {}

    Workspace workspace;
    MapImageStore mapImages;
    // One per EditedTable, in its order.
    std::array<FileHistory, 4> histories{
        FileHistory(QStringLiteral("InitMonster.txt")), FileHistory(QStringLiteral("GenMonster.txt")),
        FileHistory(QStringLiteral("Etc.txt")), FileHistory(QStringLiteral("InitItem.txt"))};
};

// The main window: pages, menu and status line. It owns the workspace, the
// map pictures, the history of each table and the secondary windows, serves
// every page and window as their shell, and wires what one of them asks of
// another. "Edit" > "Undo" and "Redo" act on the history of the page in front;
// the title shows a "*" while a file it writes has unsaved changes, and
// closing asks about those first.
//
// What the first window does not show is built after it was first painted
// (buildRemainingParts), or earlier when it is first needed: the hidden
// pages, the area viewer, the two dialogs and the file dialogs.
//
// The window declares no signals or slots of its own, so it goes without
// Q_OBJECT, which would want QMainWindow as its first base.
class MainWindow : private MainWindowData, public QMainWindow, public Shell {
  public:
    MainWindow();
    // Reads the map pictures from `programFolder` instead of the program's own folder.
    explicit MainWindow(const QString& programFolder);
    ~MainWindow() override;

    Workspace& workspace() { return MainWindowData::workspace; }

    // Builds every part not built yet.
    void buildRemainingParts();

    void PostStatus(const QString& text) override;
    QString statusText() const override;
    bool Confirm(const QString& question, QWidget* over = nullptr) override;
    void Information(const QString& text, QWidget* over = nullptr) override;
    void Warning(const QString& text, QWidget* over = nullptr) override;
    void ErrorMessage(const QString& text, QWidget* over = nullptr) override;
    void ShowFailure(const QString& message) override;
    std::optional<QString> chooseFile(FileDialog dialog, const DialogSettings& settings = {}) override;
    WriterLines& lines() override;
    void SaveFile(const QString& path, const std::string& bytes) override;
    SaveChoice AskToSave(const QString& question, QWidget* over = nullptr) override;
    FileHistory& history(EditedTable table) override;

    void clearStatus();
    void showAbout();
    void exitProgram();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildStatusLine();
    void buildMenu();
    // The "Edit" menu, made on first use.
    QMenu* editMenu();
    void buildUndoActions();
    void buildPages();
    void buildMapPage(QWidget* sheet);
    void wireHandlers();
    // The history Undo and Redo act on follows the page in front.
    void followPageInFront();
    // The table of the page in front, which Undo, Redo, find, Ctrl+O and Ctrl+S act on.
    std::optional<EditedTable> tableInFront() const;
    void showUnsavedChanges();
    // Each written file's unsaved changes saved or dropped; false keeps the program open.
    bool mayClose();
    // The list of the page in front, for find.
    std::optional<FindTarget> findTarget();

    // The file the page in front loads and saves: "Load"'s last two actions
    // (Ctrl+O, Ctrl+S) run its load and save as the page's buttons do.
    void buildPageFileActions(QMenu* load);
    void wirePageFileActions();
    void showPageFileActions();
    void loadPageFile();
    void savePageFile();

    // Each built on first use.
    MonsterPage* monsterPage();
    ItemPage* itemPage();
    PortalPage* portalPage();
    void buildPageShown(QWidget* sheet);
    QWidget* hiddenPageExtras();
    AreaViewer* areaViewer();
    AddSpawnDialog* addSpawnDialog();
    AddPortalDialog* addPortalDialog();
    QFileDialog* fileDialog(FileDialog which);

    QTabWidget* pages_ = nullptr;
    QTabWidget* mapPages_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    FindField* findField_ = nullptr;
    QTimer* statusTimer_ = nullptr;

    QAction* loadItemNamesAction_ = nullptr;
    QAction* loadMonsterNamesAction_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QUndoGroup* undoGroup_ = nullptr;
    QAction* findAction_ = nullptr;
    QAction* loadPageFileAction_ = nullptr;
    QAction* savePageFileAction_ = nullptr;
    QAction* keepLayoutAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* exitAction_ = nullptr;

    MonsterPage* monsterPage_ = nullptr;
    ItemPage* itemPage_ = nullptr;
    SpawnPage* spawnPage_ = nullptr;
    PortalPage* portalPage_ = nullptr;

    // The hidden page "dodatkow": the writers' line buffer and the labels of
    // the last rows the item readers stood on.
    QWidget* extras_ = nullptr;
    QLabel* lastItemRowLabel_ = nullptr;
    QLabel* lastItemNameRowLabel_ = nullptr;
    std::unique_ptr<WriterLines> lines_;
    bool fieldDumpBuilt_ = false;
    bool painted_ = false;

    AreaViewer* areaViewer_ = nullptr;
    AddSpawnDialog* addSpawnDialog_ = nullptr;
    AddPortalDialog* addPortalDialog_ = nullptr;
    std::map<FileDialog, QFileDialog*> fileDialogs_;
};
