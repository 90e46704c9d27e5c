#pragma once

#include "app/AppState.h"
#include "app/LineBuffer.h"

#include <QMainWindow>

#include <memory>

class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTimer;

class CharacterPage;
class ItemPage;
class MonsterPage;
class PortalPage;
class SpawnPage;
class TForm3;
class TForm4;
class TForm6;

// The main window: pages, menu, status line and the services every page
// uses (status message, message boxes, line buffer, file dialogs).
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    AppState& state() { return state_; }

    // Status message: sets the only panel of the status line and enables
    // Timer1, which clears it three seconds later.
    void PostStatus(const QString& text);
    QString statusText() const;
    void Timer1Timer();

    LineBuffer& lines() { return *lines_; }

    // Named file dialogs of the main window: OpenDialog1, OpenDialog2,
    // OpenDialog3, SaveDialog1, SaveDialog2, SaveDialog3, OpenInitItem, OpenItemsName.
    QFileDialog* dialog(const QString& objectName) const;

    MonsterPage& monsterPage() { return *monsterPage_; }
    ItemPage& itemPage() { return *itemPage_; }
    CharacterPage& characterPage() { return *characterPage_; }
    SpawnPage& spawnPage() { return *spawnPage_; }
    PortalPage& portalPage() { return *portalPage_; }

    // The secondary windows, created after the main window.
    void setSecondaryWindows(TForm3* form3, TForm4* form4, TForm6* form6);
    TForm3& form3() { return *form3_; }
    TForm4& form4() { return *form4_; }
    TForm6& form6() { return *form6_; }

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
    void buildDialogs();

    AppState state_;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QLabel* statusPanel_ = nullptr;
    QTimer* Timer1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    std::unique_ptr<LineBuffer> lines_;

    MonsterPage* monsterPage_ = nullptr;
    ItemPage* itemPage_ = nullptr;
    CharacterPage* characterPage_ = nullptr;
    SpawnPage* spawnPage_ = nullptr;
    PortalPage* portalPage_ = nullptr;

    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm6* form6_ = nullptr;
};
