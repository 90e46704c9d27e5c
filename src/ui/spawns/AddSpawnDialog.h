#pragma once

#include <QWidget>

#include <array>
#include <cstddef>

class QComboBox;
class QLabel;
class QPushButton;
class MapImageStore;
class RadioGroup;
class Shell;
class SpinEdit;
class AreaViewer;
struct Workspace;

// The add-spawn dialog: a monster by name, map, maximum, cycle and the
// rectangle, typed in world units or dragged on the world minimap of the area
// viewer it drives.
class AddSpawnDialog : public QWidget {
    Q_OBJECT

  public:
    AddSpawnDialog(Shell& shell, Workspace& workspace, const MapImageStore& mapImages, AreaViewer& viewer);

    // Opens the dialog with its monster list filled from the monster names.
    void Open();

    // The area viewer's drag: the press gives X1 and Y2, the release X2 and Y1 (world units).
    void SetSelectionStart(int x1, int y2);
    void SetSelectionEnd(int x2, int y1);
    void ShowAfterSelection();

    void RadioGroup4Click();
    void Button3Click();
    void Button1Click();
    void Button2Click();

  signals:
    // "ADD" stored a spawn at this position of the spawn table.
    void spawnAdded(std::size_t position);

  protected:
    // Enter presses "ADD", the dialog's default button, unless a button has the focus.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void cornerChanged(int corner);

    Shell& shell_;
    Workspace& workspace_;
    const MapImageStore& mapImages_;
    AreaViewer& viewer_;
    QComboBox* ComboBox1 = nullptr;
    SpinEdit* SpinEdit12 = nullptr;
    SpinEdit* SpinEdit6 = nullptr;
    SpinEdit* SpinEdit7 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    std::array<SpinEdit*, 4> corners_{};    // SpinEdit8 to SpinEdit11: X1, Y1, X2, Y2
    std::array<QLabel*, 4> cornerLabels_{}; // Label2 to Label5
    QPushButton* Button1 = nullptr;
};
