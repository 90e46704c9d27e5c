#pragma once

#include "common/FindTarget.h"
#include "portals/PortalEditor.h"
#include "portals/PortalFields.h"

#include <QObject>

class QListWidget;
class QWidget;
class Shell;
struct Workspace;

// The "Portals" sub-page of the "Map" page: the portal list, a viewer of the
// selected portal's fields (nothing typed there reaches the table), and the
// buttons that load Etc.txt, open the add-portal dialog and save Etc.txt.
// The list follows every change of the portal table.
class PortalPage : public QObject {
    Q_OBJECT

  public:
    PortalPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    // The editing object of the portal table, which the add-portal dialog shares.
    PortalEditor& editor() { return editor_; }

    void loadEtc();
    void listPortals();
    void showSelectedPortal();
    void openAddPortalDialog();
    void saveEtc();
    // The portal list, for find.
    FindTarget findTarget() const;

  signals:
    // "Add new portal": the add-portal dialog is wanted.
    void addPortalWanted();

  private:
    Shell& shell_;
    Workspace& workspace_;
    PortalEditor editor_;
    QListWidget* portalList_ = nullptr;
    PortalFields fields_;
};
