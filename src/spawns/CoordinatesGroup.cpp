#include "spawns/CoordinatesGroup.h"

#include "app/Controls.h"

#include <QGroupBox>

CoordinatesGroup MakeCoordinatesGroup(QWidget* parent, const CoordinatesLayout& layout) {
    CoordinatesGroup made;
    made.group = new QGroupBox(QStringLiteral("Coordinates"), parent);
    made.group->setObjectName("GroupBox15");
    made.group->setGeometry(layout.group);
    made.typeOfSpawn =
        new RadioGroup(made.group, "RadioGroup4", "Type of spawn", {"Spawn Point", "Spawn Area"}, 2);
    made.typeOfSpawn->setGeometry(layout.typeOfSpawn);
    const char* titles[4] = {"X1", "Y1", "X2", "Y2"};
    const char* titleNames[4] = {"Label12", "Label15", "Label16", "Label17"};
    for (int i = 0; i < 4; ++i) {
        const int left = layout.columns[static_cast<std::size_t>(i)];
        MakeLabel(made.group, titleNames[i], titles[i], QRect(left, 56, layout.fieldWidth - 3, 16));
        made.corners[static_cast<std::size_t>(i)] = MakeSpinEdit(
            made.group, QStringLiteral("SpinEdit%1").arg(8 + i), QRect(left, 72, layout.fieldWidth, 22));
        made.cornerLabels[static_cast<std::size_t>(i)] =
            MakeLabel(made.group, QStringLiteral("Label%1").arg(layout.firstCornerLabel + i), "0",
                      QRect(left, 98, layout.fieldWidth - 3, 16));
    }
    return made;
}

void ApplyTypeOfSpawn(int choice, const std::array<SpinEdit*, 4>& corners) {
    if (choice == 0 || choice == 1) {
        corners[2]->setEnabled(choice == 1);
        corners[3]->setEnabled(choice == 1);
    }
}
