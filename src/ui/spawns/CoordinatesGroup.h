#pragma once

#include <QRect>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QWidget;
class RadioGroup;
class SpinEdit;

// The "Coordinates" group shared by the spawn page and the add-spawn dialog:
// "Type of spawn", the titles X1, Y1, X2, Y2 over the four corner fields
// SpinEdit8 to SpinEdit11 (world units), and a map-unit label under each.
struct CoordinatesLayout {
    QRect group;
    std::array<int, 4> columns; // left edge of each corner column
    int firstCornerLabel;       // number of the label under X1
};

struct CoordinatesGroup {
    QGroupBox* group = nullptr;
    RadioGroup* typeOfSpawn = nullptr;
    std::array<SpinEdit*, 4> corners{};
    std::array<QLabel*, 4> cornerLabels{};
};

CoordinatesGroup MakeCoordinatesGroup(QWidget* parent, const CoordinatesLayout& layout);

// "Spawn Point" (0) disables the second corner's fields, "Spawn Area" (1)
// enables them; no choice leaves them as they are.
void ApplyTypeOfSpawn(int choice, const std::array<SpinEdit*, 4>& corners);
