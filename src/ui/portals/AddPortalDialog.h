#pragma once

#include "portals/PortalFields.h"

#include <QWidget>

class QKeyEvent;
class QPushButton;
class Shell;
struct Workspace;

// "Add new portal": a small tool window created once and only shown and
// hidden, so its fields keep their contents between uses. ADD appends the
// portal at the first free position of PortalTable.
class AddPortalDialog : public QWidget {
    Q_OBJECT

  public:
    AddPortalDialog(Shell& shell, Workspace& workspace);

    // Shows the dialog without waiting for it.
    void Open();
    void Button1Click();
    void Button2Click();
    void AddPortal();
    void SpinEdit13Change();
    void SpinEdit14Change();
    void SpinEdit15Change();
    void SpinEdit16Change();

  signals:
    // ADD stored a portal: the portal list is due to be rebuilt.
    void portalAdded();

  protected:
    // Enter presses the default button "ADD" from any field.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Shell& shell_;
    Workspace& workspace_;
    PortalFields fields_;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
