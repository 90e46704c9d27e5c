#pragma once

#include "spawns/SpawnEditor.h"

#include <QRect>

#include <array>

class QLabel;
class QWidget;
class RadioGroup;
class SpinEdit;

// Where the "Coordinates" group stands and its columns.
struct CoordinatesLayout {
    QRect group;
    std::array<int, 4> columns; // left edge of each corner column
    int firstCornerLabel;       // number of the label under X1
};

// The fields of a spawn shared by the spawn page and the add-spawn dialog:
// "Map", "Max no of monsters" and "Cycle" (SpinEdit12, SpinEdit6, SpinEdit7)
// in a row, and the "Coordinates" group: "Type of spawn", the titles X1, Y1,
// X2, Y2 over the four corner fields SpinEdit8 to SpinEdit11 (world units),
// and a map-unit label under each.
struct SpawnControls {
    SpinEdit* map = nullptr;
    SpinEdit* max = nullptr;
    SpinEdit* cycle = nullptr;
    RadioGroup* typeOfSpawn = nullptr;
    std::array<SpinEdit*, 4> corners{};
    std::array<QLabel*, 4> cornerLabels{};

    // The values the fields hold.
    SpawnValues values() const;

    // "Spawn Point" (0) disables the second corner's fields, "Spawn Area" (1)
    // enables them; no choice leaves them as they are.
    void applyTypeOfSpawn() const;

    // The fields as built: every value 0, no type of spawn, every corner enabled.
    void showNone() const;
};

// The row of values, at the map's caption and field, the maximum's caption
// and field, and the cycle's caption and field.
void MakeSpawnValues(QWidget* parent, const std::array<QRect, 6>& places, SpawnControls& made);

void MakeCoordinatesGroup(QWidget* parent, const CoordinatesLayout& layout, SpawnControls& made);
