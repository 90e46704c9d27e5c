#pragma once

#include "portals/PortalFields.h"

#include <QWidget>

class PortalEditor;
class QKeyEvent;
class QPushButton;
class Shell;

// "Add new portal": a small tool window created once and only shown and
// hidden, so its fields keep their contents between uses. ADD adds the
// portal through the portal page's editor.
class AddPortalDialog : public QWidget {
    Q_OBJECT

  public:
    AddPortalDialog(Shell& shell, PortalEditor& editor);

    // Shows the dialog without waiting for it.
    void open();
    // Adds the portal the fields hold and hides the dialog, its fields kept.
    void addPortal();
    // Hides the dialog and empties its fields.
    void cancel();

  protected:
    // Enter presses the default button "ADD" from any field.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Shell& shell_;
    PortalEditor& editor_;
    PortalFields fields_;
    QPushButton* addButton_ = nullptr;
};
