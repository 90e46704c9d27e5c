#pragma once

#include "portals/PortalFields.h"

#include <QObject>

class QListWidget;
class QPushButton;
class QWidget;
class Shell;
struct Workspace;

// The "Portals" sub-page of the "Map" page: the portal list, a viewer of the
// selected portal's fields (nothing typed there reaches the table), and the
// buttons that load Etc.txt, open the add-portal dialog and save Etc.txt.
class PortalPage : public QObject {
    Q_OBJECT

  public:
    PortalPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    void letcClick();
    void LoadEtc();
    void ListPortals();
    void ListBox5Click();
    void SpinEdit13Change();
    void SpinEdit14Change();
    void SpinEdit15Change();
    void SpinEdit16Change();
    void addnewportalClick();
    void setcClick();
    void SaveEtc();

  signals:
    // "Add new portal": the add-portal dialog is wanted.
    void addPortalWanted();

  private:
    Shell& shell_;
    Workspace& workspace_;

    QListWidget* ListBox5 = nullptr;
    QPushButton* PortalShow = nullptr;
    PortalFields fields_;
    QPushButton* letc = nullptr;
    QPushButton* addnewportal = nullptr;
    QPushButton* setc = nullptr;
};
