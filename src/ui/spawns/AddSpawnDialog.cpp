#include "spawns/AddSpawnDialog.h"

#include "common/AnswerEnter.h"
#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/SpinEdit.h"
#include "common/TextCodec.h"
#include "maps/WorldUnits.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 386;
constexpr int kClientHeight = 243;
} // namespace

AddSpawnDialog::AddSpawnDialog(Shell& shell, const Workspace& workspace, SpawnEditor& editor)
    : QWidget(nullptr, Qt::Tool), shell_(shell), workspace_(workspace), editor_(editor) {
    setObjectName("Form4");
    setWindowTitle("Create new spawn area");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    move(354, 221);
    build();
}

void AddSpawnDialog::build() {
    MakeLabel(this, "Label1", "Monster", QRect(8, 8, 120, 16));
    monsterChoice_ = new QComboBox(this);
    monsterChoice_->setObjectName("ComboBox1");
    monsterChoice_->setEditable(false);
    monsterChoice_->setMaxVisibleItems(16);
    monsterChoice_->setGeometry(8, 24, 369, 21);

    MakeSpawnValues(this,
                    {QRect(16, 69, 30, 13), QRect(48, 64, 49, 22), QRect(119, 64, 57, 26),
                     QRect(176, 64, 49, 22), QRect(256, 69, 32, 13), QRect(288, 64, 73, 22)},
                    fields_);
    MakeCoordinatesGroup(this, {QRect(8, 96, 369, 121), {6, 94, 190, 278}, 2}, fields_);
    for (std::size_t i = 0; i < fields_.corners.size(); ++i) {
        fields_.corners[i]->setSingleStep(100);
        fields_.corners[i]->setTypingLimit(6);
        connect(fields_.corners[i], &QSpinBox::valueChanged, this,
                Guarded(shell_, [this, i] { showCornerInMapUnits(i); }));
    }

    auto* select = MakeControl<QPushButton>(this, "Button3", "Select on map", QRect(8, 224, 89, 17));
    addButton_ = MakeControl<QPushButton>(this, "Button1", "ADD", QRect(208, 224, 75, 17));
    addButton_->setDefault(true);
    auto* cancel = MakeControl<QPushButton>(this, "Button2", "Cancel", QRect(296, 224, 75, 17));

    connect(fields_.typeOfSpawn, &RadioGroup::itemIndexChanged, this,
            Guarded(shell_, this, &AddSpawnDialog::applyTypeOfSpawn));
    connect(select, &QPushButton::clicked, this, Guarded(shell_, this, &AddSpawnDialog::selectOnMap));
    connect(addButton_, &QPushButton::clicked, this, Guarded(shell_, this, &AddSpawnDialog::addSpawn));
    connect(cancel, &QPushButton::clicked, this, Guarded(shell_, this, &AddSpawnDialog::cancel));
}

void AddSpawnDialog::keyPressEvent(QKeyEvent* event) {
    if (!AnswerEnter(*this, *event, *addButton_)) {
        QWidget::keyPressEvent(event);
    }
}

void AddSpawnDialog::open() {
    monsterChoice_->clear();
    for (const std::string& name : editor_.MonsterChoices()) {
        monsterChoice_->addItem(ToQ(name, workspace_.monsterNameText));
    }
    monsterChoice_->setCurrentIndex(-1);
    show();
    raise();
    activateWindow();
}

void AddSpawnDialog::showCornerInMapUnits(std::size_t corner) {
    fields_.cornerLabels[corner]->setText(QString::number(WorldToMap(fields_.corners[corner]->value())));
}

void AddSpawnDialog::setSelectionStart(int x1, int y2) {
    fields_.corners[0]->setValue(x1);
    fields_.corners[3]->setValue(y2);
}

void AddSpawnDialog::setSelectionEnd(int x2, int y1) {
    fields_.corners[2]->setValue(x2);
    fields_.corners[1]->setValue(y1);
}

void AddSpawnDialog::showAfterSelection() {
    show();
    raise();
    activateWindow();
}

void AddSpawnDialog::applyTypeOfSpawn() {
    fields_.applyTypeOfSpawn();
}

void AddSpawnDialog::selectOnMap() {
    if (fields_.map->value() == 0) {
        bool shown = false;
        emit minimapWanted(shown);
        // A minimap that cannot be shown ends the selection before it is armed.
        if (!shown) {
            return;
        }
    }
    shell_.Information(
        QStringLiteral("To select area click left mouse button on map and hold it, move mouse to "
                       "select area and release it."),
        this);
    emit selectionArmWanted();
}

void AddSpawnDialog::addSpawn() {
    NewSpawn spawn;
    spawn.monsterName = FromQ(monsterChoice_->currentText(), workspace_.monsterNameText);
    spawn.point = fields_.typeOfSpawn->itemIndex() == 0;
    spawn.values = fields_.values();
    const std::optional<std::size_t> position = editor_.AddSpawn(spawn);
    if (!position) {
        shell_.Warning(QStringLiteral("Please choose a monster from the list"), this);
        return;
    }
    shell_.PostStatus(QStringLiteral("Spawn added: area ") +
                      ToQ(editor_.AreaOf(*position), workspace_.spawnText));
    emit selectionDisarmWanted();
    emit viewerHideWanted();
    hide();
}

void AddSpawnDialog::cancel() {
    emit selectionDisarmWanted();
    emit viewerCloseWanted();
    close();
}
