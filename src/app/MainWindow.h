#pragma once

#include "common/Shell.h"
#include "common/WriterLines.h"
#include "maps/MapImageStore.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <optional>

class QAction;
class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTimer;

class ItemPage;
class MonsterPage;
class PortalPage;
class SpawnPage;
class AreaViewer;
class AddSpawnDialog;
class AddPortalDialog;

// The main window: pages, menu and status line. It owns the workspace, the
// map pictures and the secondary windows, serves every page and window as
// their shell, and wires what one of them asks of another.
class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT

  public:
    MainWindow();
    // Reads the map pictures from `programFolder` instead of the program's own folder.
    explicit MainWindow(const QString& programFolder);
    ~MainWindow() override;

    Workspace& workspace() { return *workspace_; }

    void PostStatus(const QString& text) override;
    QString statusText() const override;
    void Timer1Timer();

    bool Confirm(const QString& question, QWidget* over = nullptr) override;
    void Information(const QString& text, QWidget* over = nullptr) override;
    void Warning(const QString& text, QWidget* over = nullptr) override;
    void ErrorMessage(const QString& text, QWidget* over = nullptr) override;
    void ShowFailure(const QString& message) override;

    std::optional<QString> chooseFile(FileDialog dialog, const DialogSettings& settings = {}) override;
    WriterLines& lines() override { return *lines_; }
    void SaveFile(const QString& path, const std::string& bytes) override;

    void FormCreate();
    void About1Click();
    void Exit1Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildPages();
    void buildMapPage(QWidget* sheet);
    void buildHiddenPages();
    QFileDialog* fileDialog(FileDialog which);
    void wireHandlers();

    std::unique_ptr<Workspace> workspace_;
    MapImageStore mapImages_;
    std::map<FileDialog, QFileDialog*> dialogs_;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QLabel* statusPanel_ = nullptr;
    QTimer* Timer1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* ost_init = nullptr;
    QLabel* ost_nazwa = nullptr;
    std::unique_ptr<WriterLines> lines_;

    QAction* ItemName1 = nullptr;
    QAction* MonsterName1 = nullptr;
    QAction* Keepcommentsandlayout1 = nullptr;
    QAction* About1 = nullptr;
    QAction* Exit1 = nullptr;

    MonsterPage* monsterPage_ = nullptr;
    ItemPage* itemPage_ = nullptr;
    SpawnPage* spawnPage_ = nullptr;
    PortalPage* portalPage_ = nullptr;

    std::unique_ptr<AreaViewer> form3_;
    std::unique_ptr<AddSpawnDialog> form4_;
    std::unique_ptr<AddPortalDialog> form6_;
};
