#include "spawns/SpawnControls.h"

#include "common/ControlBuilders.h"
#include "common/RadioGroup.h"
#include "common/SpinEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>

namespace {
constexpr int kFieldWidth = 81;

// The field is known by the caption of the label beside it.
SpinEdit* captioned(SpinEdit* field, const QLabel* caption) {
    field->setAccessibleName(caption->text());
    return field;
}
} // namespace

SpawnValues SpawnControls::values() const {
    return {map->value(),        max->value(),        cycle->value(),     corners[0]->value(),
            corners[1]->value(), corners[2]->value(), corners[3]->value()};
}

void SpawnControls::applyTypeOfSpawn() const {
    const int choice = typeOfSpawn->itemIndex();
    if (choice == 0 || choice == 1) {
        corners[2]->setEnabled(choice == 1);
        corners[3]->setEnabled(choice == 1);
    }
}

void SpawnControls::showNone() const {
    for (SpinEdit* field : {map, max, cycle}) {
        field->setValue(0);
    }
    typeOfSpawn->setItemIndex(-1);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        corners[i]->setValue(0);
        corners[i]->setEnabled(true);
        cornerLabels[i]->setText(QStringLiteral("0"));
    }
}

void MakeSpawnValues(QWidget* parent, const std::array<QRect, 6>& places, SpawnControls& made) {
    const QLabel* map = MakeLabel(parent, "Label24", "Map", places[0]);
    made.map = captioned(MakeSpinEdit(parent, "SpinEdit12", places[1]), map);
    QLabel* max = MakeLabel(parent, "Label13", "Max no of monsters", places[2]);
    max->setWordWrap(true);
    made.max = captioned(MakeSpinEdit(parent, "SpinEdit6", places[3]), max);
    const QLabel* cycle = MakeLabel(parent, "Label14", "Cycle", places[4]);
    made.cycle = captioned(MakeSpinEdit(parent, "SpinEdit7", places[5]), cycle);
}

void MakeCoordinatesGroup(QWidget* parent, const CoordinatesLayout& layout, SpawnControls& made) {
    auto* group = MakeControl<QGroupBox>(parent, "GroupBox15", "Coordinates", layout.group);
    made.typeOfSpawn =
        new RadioGroup(group, "RadioGroup4", "Type of spawn", {"Spawn Point", "Spawn Area"}, 2);
    // 36 pixels high, not 33, and no margin above and below the buttons: the title and the frame
    // take 22 pixels, and a button needs 14.
    made.typeOfSpawn->setGeometry(8, 16, 345, 36);
    const QMargins margins = made.typeOfSpawn->layout()->contentsMargins();
    made.typeOfSpawn->layout()->setContentsMargins(margins.left(), 0, margins.right(), 0);
    const char* titles[4] = {"X1", "Y1", "X2", "Y2"};
    const char* titleNames[4] = {"Label12", "Label15", "Label16", "Label17"};
    for (int i = 0; i < 4; ++i) {
        const int left = layout.columns[static_cast<std::size_t>(i)];
        const QLabel* title =
            MakeLabel(group, titleNames[i], titles[i], QRect(left, 56, kFieldWidth - 3, 16));
        made.corners[static_cast<std::size_t>(i)] = captioned(
            MakeSpinEdit(group, QStringLiteral("SpinEdit%1").arg(8 + i), QRect(left, 72, kFieldWidth, 22)),
            title);
        made.cornerLabels[static_cast<std::size_t>(i)] =
            MakeLabel(group, QStringLiteral("Label%1").arg(layout.firstCornerLabel + i), "0",
                      QRect(left, 96, kFieldWidth - 3, 16));
    }
}
