#include "spawns/CoordinatesGroup.h"

#include "common/ControlBuilders.h"
#include "common/RadioGroup.h"
#include "common/SpinEdit.h"

#include <QGroupBox>
#include <QLayout>

namespace {
constexpr int kFieldWidth = 81;
} // namespace

CoordinatesGroup MakeCoordinatesGroup(QWidget* parent, const CoordinatesLayout& layout) {
    CoordinatesGroup made;
    made.group = new QGroupBox(QStringLiteral("Coordinates"), parent);
    made.group->setObjectName("GroupBox15");
    made.group->setGeometry(layout.group);
    made.typeOfSpawn =
        new RadioGroup(made.group, "RadioGroup4", "Type of spawn", {"Spawn Point", "Spawn Area"}, 2);
    // 36 pixels high, not 33, and no margin above and below the buttons: the title and the frame
    // take 22 pixels, and a button needs 14.
    made.typeOfSpawn->setGeometry(8, 16, 345, 36);
    const QMargins margins = made.typeOfSpawn->layout()->contentsMargins();
    made.typeOfSpawn->layout()->setContentsMargins(margins.left(), 0, margins.right(), 0);
    const char* titles[4] = {"X1", "Y1", "X2", "Y2"};
    const char* titleNames[4] = {"Label12", "Label15", "Label16", "Label17"};
    for (int i = 0; i < 4; ++i) {
        const int left = layout.columns[static_cast<std::size_t>(i)];
        MakeLabel(made.group, titleNames[i], titles[i], QRect(left, 56, kFieldWidth - 3, 16));
        made.corners[static_cast<std::size_t>(i)] = MakeSpinEdit(
            made.group, QStringLiteral("SpinEdit%1").arg(8 + i), QRect(left, 72, kFieldWidth, 22));
        made.cornerLabels[static_cast<std::size_t>(i)] =
            MakeLabel(made.group, QStringLiteral("Label%1").arg(layout.firstCornerLabel + i), "0",
                      QRect(left, 96, kFieldWidth - 3, 16));
    }
    return made;
}

void ApplyTypeOfSpawn(int choice, const std::array<SpinEdit*, 4>& corners) {
    if (choice == 0 || choice == 1) {
        corners[2]->setEnabled(choice == 1);
        corners[3]->setEnabled(choice == 1);
    }
}
