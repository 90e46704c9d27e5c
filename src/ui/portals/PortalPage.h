#pragma once

#include "common/FindTarget.h"
#include "portals/PortalEditor.h"
#include "portals/PortalFields.h"

#include <QObject>

class FileHistory;
class QListWidget;
class QWidget;
class Shell;
struct Workspace;

// The "Portals" sub-page of the "Map" page: the portal list, a viewer of the
// selected portal's fields (nothing typed there reaches the table), and the
// buttons that load Etc.txt, open the add-portal dialog and save Etc.txt.
// The list follows every change of the portal table. The portals added are
// steps of the Etc history.
class PortalPage : public QObject {
    Q_OBJECT

  public:
    PortalPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    // The editing object of the portal table, which the add-portal dialog shares.
    PortalEditor& editor() { return editor_; }

    // The unsaved changes of the table are saved or dropped first.
    void loadEtc();
    void listPortals();
    void showSelectedPortal();
    void openAddPortalDialog();
    // False when its dialog was cancelled.
    bool saveEtc();
    // The portal list, for find.
    FindTarget findTarget() const;

  signals:
    // "Add new portal": the add-portal dialog is wanted.
    void addPortalWanted();

  private:
    Shell& shell_;
    Workspace& workspace_;
    PortalEditor editor_;
    FileHistory& history_;
    QListWidget* portalList_ = nullptr;
    PortalFields fields_;
};
