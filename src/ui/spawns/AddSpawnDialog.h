#pragma once

#include "spawns/SpawnControls.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class Shell;
class SpawnEditor;
struct Workspace;

// The add-spawn dialog: a monster by name, map, maximum, cycle and the
// rectangle, typed in world units or dragged on the world minimap of the area
// viewer, which it asks for through its signals.
class AddSpawnDialog : public QWidget {
    Q_OBJECT

  public:
    AddSpawnDialog(Shell& shell, const Workspace& workspace, SpawnEditor& editor);

    // Opens the dialog with its monster list filled from the monster names.
    void open();

    // The area viewer's drag: the press gives X1 and Y2, the release X2 and Y1 (world units).
    void setSelectionStart(int x1, int y2);
    void setSelectionEnd(int x2, int y1);
    void showAfterSelection();

    void applyTypeOfSpawn();
    void selectOnMap();
    void addSpawn();
    void cancel();

  signals:
    // "Select on map" on map 0 wants the world minimap in the viewer; `shown`
    // is set when it shows, which lets the selection go on.
    void minimapWanted(bool& shown);
    void selectionArmWanted();
    void selectionDisarmWanted();
    // The viewer is hidden after "ADD", and closed by "Cancel".
    void viewerHideWanted();
    void viewerCloseWanted();

  protected:
    // Enter presses "ADD", the dialog's default button, unless a button has the focus.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void showCornerInMapUnits(std::size_t corner);

    Shell& shell_;
    const Workspace& workspace_;
    SpawnEditor& editor_;
    QComboBox* monsterChoice_ = nullptr;
    SpawnControls fields_;
    QPushButton* addButton_ = nullptr;
};
