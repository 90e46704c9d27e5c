#include "spawns/SpawnPage.h"

#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/ListClicks.h"
#include "common/LoadWarnings.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/SpinEdit.h"
#include "common/TextCodec.h"
#include "common/WriterLines.h"
#include "records/FileBytes.h"
#include "records/IntegerText.h"
#include "spawns/CoordinatesGroup.h"
#include "spawns/GenMonsterFile.h"
#include "spawns/SpawnEditing.h"
#include "spawns/WrappedButton.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

SpawnPage::SpawnPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace) {
    build(sheet);
}

void SpawnPage::build(QWidget* sheet) {
    MakeLabel(sheet, "Label18", "Monsters name:", QRect(0, 0, 200, 16));
    ListBox3 = new QListWidget(sheet);
    ListBox3->setObjectName("ListBox3");
    ListBox3->setGeometry(0, 16, 201, 193);
    MakeLabel(sheet, "Label19", "Area", QRect(208, 0, 120, 16));
    ListBox4 = new QListWidget(sheet);
    ListBox4->setObjectName("ListBox4");
    ListBox4->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox4->setGeometry(208, 16, 121, 193);
    auto* mapa = new WrappedButton(QStringLiteral("Show area"), sheet);
    mapa->setObjectName("mapa");
    mapa->setGeometry(336, 16, 41, 193);

    Label35 = MakeLabel(sheet, "Label35", QString(), QRect(16, 216, 337, 13));
    Label35->setAlignment(Qt::AlignCenter);
    QFont bold = Label35->font();
    bold.setBold(true);
    Label35->setFont(bold);
    QPalette red = Label35->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label35->setPalette(red);

    MakeLabel(sheet, "Label24", "Map", QRect(8, 245, 24, 13));
    SpinEdit12 = MakeSpinEdit(sheet, "SpinEdit12", QRect(32, 240, 41, 22));
    QLabel* maxLabel = MakeLabel(sheet, "Label13", "Max no of monsters", QRect(87, 240, 57, 26));
    maxLabel->setWordWrap(true);
    SpinEdit6 = MakeSpinEdit(sheet, "SpinEdit6", QRect(144, 240, 49, 22));
    MakeLabel(sheet, "Label14", "Cycle", QRect(200, 245, 32, 13));
    SpinEdit7 = MakeSpinEdit(sheet, "SpinEdit7", QRect(232, 240, 49, 22));
    CheckBox13 = MakeControl<QCheckBox>(sheet, "CheckBox13", "Avalible", QRect(295, 242, 65, 17));

    const CoordinatesGroup coordinates =
        MakeCoordinatesGroup(sheet, {QRect(0, 264, 369, 121), {8, 96, 192, 280}, 20});
    RadioGroup4 = coordinates.typeOfSpawn;
    for (std::size_t i = 0; i < 4; ++i) {
        corners_[i] = coordinates.corners[i];
        corners_[i]->setSingleStep(i == 0 ? 10 : 1);
        cornerLabels_[i] = coordinates.cornerLabels[i];
    }

    auto* load = MakeControl<QPushButton>(sheet, "Button1", "Load GenMonster", QRect(0, 392, 105, 17));
    auto* ans = MakeControl<QPushButton>(sheet, "ans", "Add new spawn", QRect(136, 392, 97, 17));
    auto* save = MakeControl<QPushButton>(sheet, "SGM", "Save GenMonster", QRect(272, 392, 106, 17));

    connect(new ListClicks(ListBox3), &ListClicks::clicked, this,
            Guarded(shell_, this, &SpawnPage::ListBox3Click));
    connect(new ListClicks(ListBox4), &ListClicks::clicked, this,
            Guarded(shell_, this, &SpawnPage::ListBox4Click));
    connect(RadioGroup4, &RadioGroup::itemIndexChanged, this,
            Guarded(shell_, this, &SpawnPage::RadioGroup4Click));
    for (QSpinBox* field : {SpinEdit6, SpinEdit7, SpinEdit12}) {
        connect(field, &QSpinBox::valueChanged, this,
                Guarded(shell_, [this] { SpinEditChange(EditedField::Value); }));
    }
    for (QSpinBox* field : corners_) {
        connect(field, &QSpinBox::valueChanged, this,
                Guarded(shell_, [this] { SpinEditChange(EditedField::Corner); }));
    }
    connect(CheckBox13, &QCheckBox::toggled, this, Guarded(shell_, this, &SpawnPage::CheckBox13Click));
    connect(mapa, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::mapaClick));
    connect(ans, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::ansClick));
    connect(load, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::GenMonster1Click));
    connect(save, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::SGMClick));
}

void SpawnPage::GenMonster1Click() {
    if (!LoadGenMonster()) {
        shell_.PostStatus(QStringLiteral("GenMonster NOT Loaded!"));
        return;
    }
    shell_.PostStatus(QStringLiteral("GenMonster Loaded!"));
    workspace_.GenMonsterLoaded = true;
    if (!workspace_.NamesLoaded && shell_.Confirm(QStringLiteral("Do you want to load Monsters Name?"))) {
        bool finished = false;
        emit monsterNamesWanted(finished);
        // A names load that failed ends this load too.
        if (!finished) {
            return;
        }
    }
    if (workspace_.GenMonsterLoaded && workspace_.NamesLoaded) {
        BuildSpawnMonsterList();
    }
}

bool SpawnPage::LoadGenMonster() {
    const std::optional<QString> path =
        shell_.chooseFile(FileDialog::OpenDialog3,
                          {.title = QStringLiteral("Select GenMonster"),
                           .filter = QStringLiteral("GenMonster|GenMonster.txt|All txt|*.txt|ALL |*.*")});
    if (!path) {
        return false;
    }
    std::string bytes = ReadWholeFile(PathBytes(*path));
    const GenMonsterLoad load = ParseGenMonster(bytes, workspace_.spawns);
    workspace_.genMonsterRead = std::move(bytes);
    workspace_.spawnText = load.encoding;
    WarnLoadNotes(shell_, *path, load.notes);
    return true;
}

void SpawnPage::BuildSpawnMonsterList() {
    SpawnTable& spawns = workspace_.spawns;
    const MonsterNameTable& names = workspace_.monsterNames;
    if (!CanBuildSpawnMonsterList(spawns, names)) {
        return;
    }
    const QSignalBlocker blocker(ListBox3);
    ListBox3->clear();
    ::BuildSpawnMonsterList(spawns, names, [this](const std::string& name) {
        ListBox3->addItem(ToQ(name, workspace_.monsterNameText));
    });
}

void SpawnPage::ListBox3Click() {
    const int entry = ListBox3->currentRow();
    if (entry < 0) {
        return;
    }
    const QSignalBlocker blocker(ListBox4);
    ListBox4->clear();
    for (const std::string& area : AreasOfMonster(workspace_.spawns, entry)) {
        ListBox4->addItem(ToQ(area, workspace_.spawnText));
    }
}

std::optional<std::size_t> SpawnPage::shownSpawn() const {
    QListWidgetItem* current = ListBox4->currentItem();
    if (current == nullptr) {
        return std::nullopt;
    }
    return workspace_.spawns.FindArea(FromQ(current->text(), workspace_.spawnText));
}

void SpawnPage::ListBox4Click() {
    // Stays set when a value is not a number, so that no edit is stored until a spawn shows whole.
    spawnFieldsLoading_ = true;
    if (const std::optional<std::size_t> position = shownSpawn()) {
        showSpawn(workspace_.spawns[*position]);
    }
    spawnFieldsLoading_ = false;
}

void SpawnPage::showSpawn(const SpawnRecord& record) {
    {
        const QSignalBlocker blockTick(CheckBox13);
        CheckBox13->setChecked(record[kCommented] == "0");
    }
    Label35->setText(
        ToQ(workspace_.monsterNames.MonsterNameForText(record[kIndex]), workspace_.monsterNameText));
    SpinEdit12->setValue(StrToInt(record[kMap]));
    SpinEdit6->setValue(StrToInt(record[kMax]));
    SpinEdit7->setValue(StrToInt(record[kCycle]));
    RadioGroup4->setItemIndex(IsSpawnPoint(record) ? 0 : 1);
    const std::size_t fields[4] = {kX1, kY1, kX2, kY2};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string& corner = record[fields[i]];
        if (corner.empty()) {
            // An empty field whose value is 0, as an emptied field counts, so that an
            // edit of another corner stores 0 for it, not the corner shown before.
            corners_[i]->setValue(0);
            corners_[i]->clear();
        } else {
            corners_[i]->setValue(CornerInWorldUnits(corner));
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        cornerLabels_[i]->setText(ToQ(record[fields[i]], workspace_.spawnText));
    }
}

void SpawnPage::RadioGroup4Click() {
    ApplyTypeOfSpawn(RadioGroup4->itemIndex(), corners_);
}

void SpawnPage::SpinEditChange(EditedField edited) {
    if (spawnFieldsLoading_) {
        return;
    }
    const std::optional<std::size_t> position = shownSpawn();
    if (!position) {
        return;
    }
    EditedSpawn values;
    values.map = SpinEdit12->value();
    values.max = SpinEdit6->value();
    values.cycle = SpinEdit7->value();
    values.x1 = corners_[0]->value();
    values.y1 = corners_[1]->value();
    values.x2 = corners_[2]->value();
    values.y2 = corners_[3]->value();
    StoreEditedSpawn(values, workspace_.spawns[*position], edited);
}

void SpawnPage::CheckBox13Click() {
    if (spawnFieldsLoading_) {
        return;
    }
    if (const std::optional<std::size_t> position = shownSpawn()) {
        workspace_.spawns[*position][kCommented] = CheckBox13->isChecked() ? "0" : "1";
    }
}

void SpawnPage::mapaClick() {
    if (ListBox4->currentItem() == nullptr) {
        shell_.Warning(QStringLiteral("Please select Area"));
        return;
    }
    // The selected rows in list order, read from the selection once rather
    // than asked of every row.
    std::vector<int> rows;
    for (const QModelIndex& index : ListBox4->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> selected;
    for (const int row : rows) {
        selected.push_back(FromQ(ListBox4->item(row)->text(), workspace_.spawnText));
    }
    emit areasToShow(selected);
}

void SpawnPage::ansClick() {
    if (workspace_.NamesLoaded && workspace_.GenMonsterLoaded) {
        emit addSpawnWanted();
    } else {
        shell_.Warning(QStringLiteral("Please load GenMonster and Monsters name"));
    }
}

void SpawnPage::ShowAddedSpawn(std::size_t position) {
    ClearListPositions(workspace_.spawns);
    BuildSpawnMonsterList();
    const std::string& entry = workspace_.spawns[position][kListPosition];
    // No list is built without monster names.
    if (entry.empty()) {
        return;
    }
    ListBox3->setCurrentRow(StrToInt(entry));
    ListBox4->setCurrentRow(AreaRowOf(workspace_.spawns, position));
}

void SpawnPage::SGMClick() {
    if (workspace_.KeepLayout && workspace_.genMonsterRead) {
        SaveKeepingLayout();
        return;
    }
    WriterLines& lines = shell_.lines();
    lines.Clear();
    for (const std::string& line : GenMonsterLines(workspace_.spawns)) {
        lines.Append(line);
    }
    const std::optional<QString> path = shell_.chooseFile(FileDialog::SaveDialog2);
    if (path) {
        shell_.SaveFile(*path, lines.Text());
        shell_.PostStatus(QStringLiteral("GenMonster saved! in: ") + *path);
    } else {
        // The status line is cleared three seconds later in either case.
        shell_.PostStatus(shell_.statusText());
    }
}

void SpawnPage::SaveKeepingLayout() {
    if (const std::optional<QString> path = shell_.chooseFile(FileDialog::SaveDialog2)) {
        shell_.SaveFile(*path, GenMonsterKeepingLayout(*workspace_.genMonsterRead, workspace_.spawns));
        shell_.PostStatus(QStringLiteral("GenMonster saved! in: ") + *path);
    } else {
        shell_.PostStatus(shell_.statusText());
    }
}
