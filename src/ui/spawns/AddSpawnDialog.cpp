#include "spawns/AddSpawnDialog.h"

#include "common/AnswerEnter.h"
#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/SpinEdit.h"
#include "common/TextCodec.h"
#include "maps/AreaViewer.h"
#include "maps/MapImageStore.h"
#include "maps/WorldUnits.h"
#include "spawns/CoordinatesGroup.h"
#include "spawns/SpawnEditing.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 386;
constexpr int kClientHeight = 243;
} // namespace

AddSpawnDialog::AddSpawnDialog(Shell& shell, Workspace& workspace, const MapImageStore& mapImages,
                               AreaViewer& viewer)
    : QWidget(nullptr, Qt::Tool), shell_(shell), workspace_(workspace), mapImages_(mapImages),
      viewer_(viewer) {
    setObjectName("Form4");
    setWindowTitle("Create new spawn area");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    move(354, 221);
    build();
}

void AddSpawnDialog::build() {
    MakeLabel(this, "Label1", "Monster", QRect(8, 8, 120, 16));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(16);
    ComboBox1->setGeometry(8, 24, 369, 21);

    MakeLabel(this, "Label24", "Map", QRect(16, 69, 30, 13));
    SpinEdit12 = MakeSpinEdit(this, "SpinEdit12", QRect(48, 64, 49, 22));
    QLabel* maxLabel = MakeLabel(this, "Label13", "Max no of monsters", QRect(119, 64, 57, 26));
    maxLabel->setWordWrap(true);
    SpinEdit6 = MakeSpinEdit(this, "SpinEdit6", QRect(176, 64, 49, 22));
    MakeLabel(this, "Label14", "Cycle", QRect(256, 69, 32, 13));
    SpinEdit7 = MakeSpinEdit(this, "SpinEdit7", QRect(288, 64, 73, 22));

    const CoordinatesGroup coordinates =
        MakeCoordinatesGroup(this, {QRect(8, 96, 369, 121), {6, 94, 190, 278}, 2});
    RadioGroup4 = coordinates.typeOfSpawn;
    for (std::size_t i = 0; i < 4; ++i) {
        corners_[i] = coordinates.corners[i];
        corners_[i]->setSingleStep(100);
        corners_[i]->setTypingLimit(6);
        cornerLabels_[i] = coordinates.cornerLabels[i];
        connect(corners_[i], &QSpinBox::valueChanged, this,
                Guarded(shell_, [this, i] { cornerChanged(static_cast<int>(i)); }));
    }

    auto* select = MakeControl<QPushButton>(this, "Button3", "Select on map", QRect(8, 224, 89, 17));
    Button1 = MakeControl<QPushButton>(this, "Button1", "ADD", QRect(208, 224, 75, 17));
    Button1->setDefault(true);
    auto* cancel = MakeControl<QPushButton>(this, "Button2", "Cancel", QRect(296, 224, 75, 17));

    connect(RadioGroup4, &RadioGroup::itemIndexChanged, this,
            Guarded(shell_, this, &AddSpawnDialog::RadioGroup4Click));
    connect(select, &QPushButton::clicked, this, Guarded(shell_, this, &AddSpawnDialog::Button3Click));
    connect(Button1, &QPushButton::clicked, this, Guarded(shell_, this, &AddSpawnDialog::Button1Click));
    connect(cancel, &QPushButton::clicked, this, Guarded(shell_, this, &AddSpawnDialog::Button2Click));
}

void AddSpawnDialog::keyPressEvent(QKeyEvent* event) {
    if (!AnswerEnter(*this, *event, *Button1)) {
        QWidget::keyPressEvent(event);
    }
}

void AddSpawnDialog::Open() {
    ComboBox1->clear();
    const MonsterNameTable& names = workspace_.monsterNames;
    for (std::size_t position = 0; position < names.size(); ++position) {
        if (names[position].displayName.empty()) {
            break;
        }
        ComboBox1->addItem(ToQ(names[position].displayName, workspace_.monsterNameText));
    }
    ComboBox1->setCurrentIndex(-1);
    show();
    raise();
    activateWindow();
}

void AddSpawnDialog::cornerChanged(int corner) {
    cornerLabels_[corner]->setText(QString::number(WorldToMap(corners_[corner]->value())));
}

void AddSpawnDialog::SetSelectionStart(int x1, int y2) {
    corners_[0]->setValue(x1);
    corners_[3]->setValue(y2);
}

void AddSpawnDialog::SetSelectionEnd(int x2, int y1) {
    corners_[2]->setValue(x2);
    corners_[1]->setValue(y1);
}

void AddSpawnDialog::ShowAfterSelection() {
    show();
    raise();
    activateWindow();
}

void AddSpawnDialog::RadioGroup4Click() {
    ApplyTypeOfSpawn(RadioGroup4->itemIndex(), corners_);
}

void AddSpawnDialog::Button3Click() {
    if (SpinEdit12->value() == 0) {
        viewer_.LoadPicture(mapImages_.MinimapPath());
    }
    shell_.Information(
        QStringLiteral("To select area click left mouse button on map and hold it, move mouse to "
                       "select area and release it."),
        this);
    viewer_.ArmSelection();
}

void AddSpawnDialog::Button1Click() {
    NewSpawn spawn;
    spawn.monsterName = FromQ(ComboBox1->currentText(), workspace_.monsterNameText);
    spawn.point = RadioGroup4->itemIndex() == 0;
    spawn.map = SpinEdit12->value();
    spawn.max = SpinEdit6->value();
    spawn.cycle = SpinEdit7->value();
    spawn.x1 = corners_[0]->value();
    spawn.y1 = corners_[1]->value();
    spawn.x2 = corners_[2]->value();
    spawn.y2 = corners_[3]->value();
    const std::optional<std::size_t> position = AddSpawn(workspace_.spawns, workspace_.monsterNames, spawn);
    if (!position) {
        shell_.Warning(QStringLiteral("Please choose a monster from the list"), this);
        return;
    }
    shell_.PostStatus(QStringLiteral("Spawn added: area ") +
                      ToQ(workspace_.spawns[*position][kArea], workspace_.spawnText));
    viewer_.DisarmSelection();
    viewer_.hide();
    hide();
    emit spawnAdded(*position);
}

void AddSpawnDialog::Button2Click() {
    viewer_.DisarmSelection();
    viewer_.close();
    close();
}
