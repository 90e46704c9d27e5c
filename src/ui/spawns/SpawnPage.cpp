#include "spawns/SpawnPage.h"

#include "common/ChangeNames.h"
#include "common/ControlBuilders.h"
#include "common/FileHistory.h"
#include "common/GuardedHandler.h"
#include "common/ListClicks.h"
#include "common/LoadWarnings.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/SpinEdit.h"
#include "common/TableChangeCommand.h"
#include "common/TextCodec.h"
#include "common/UnsavedChanges.h"
#include "common/WriterLines.h"
#include "spawns/WrappedButton.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>

#include <algorithm>

namespace {
// Blocks the change handlers of a spawn's fields while the blockers live.
std::vector<QSignalBlocker> quietFields(QCheckBox* available, const SpawnControls& fields) {
    std::vector<QSignalBlocker> blockers;
    blockers.emplace_back(available);
    blockers.emplace_back(fields.typeOfSpawn);
    for (QObject* field : {fields.map, fields.max, fields.cycle}) {
        blockers.emplace_back(field);
    }
    for (QObject* field : fields.corners) {
        blockers.emplace_back(field);
    }
    return blockers;
}
} // namespace

SpawnPage::SpawnPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace),
      editor_(workspace.spawns, workspace.monsterNames, workspace.genMonsterRead),
      history_(shell.history(EditedTable::GenMonster)) {
    build(sheet);
    editor_.OnChanged(Guarded(shell_, this, &SpawnPage::followChange));
    KeepHistory(shell_, editor_, history_.stack(),
                [this](const SpawnEditor::Change& change) { return changeName(change); });
}

void SpawnPage::build(QWidget* sheet) {
    MakeLabel(sheet, "Label18", "Monsters name:", QRect(0, 0, 200, 16));
    monsterList_ = new QListWidget(sheet);
    monsterList_->setObjectName("ListBox3");
    monsterList_->setGeometry(0, 16, 201, 193);
    MakeLabel(sheet, "Label19", "Area", QRect(208, 0, 120, 16));
    areaList_ = new QListWidget(sheet);
    areaList_->setObjectName("ListBox4");
    areaList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    areaList_->setGeometry(208, 16, 121, 193);
    auto* showArea = new WrappedButton(QStringLiteral("Show area"), sheet);
    showArea->setObjectName("mapa");
    showArea->setGeometry(336, 16, 41, 193);

    monsterName_ = MakeLabel(sheet, "Label35", QString(), QRect(16, 216, 337, 13));
    monsterName_->setAlignment(Qt::AlignCenter);
    QFont bold = monsterName_->font();
    bold.setBold(true);
    monsterName_->setFont(bold);
    QPalette red = monsterName_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    monsterName_->setPalette(red);

    MakeSpawnValues(sheet,
                    {QRect(8, 245, 24, 13), QRect(32, 240, 41, 22), QRect(87, 240, 57, 26),
                     QRect(144, 240, 49, 22), QRect(200, 245, 32, 13), QRect(232, 240, 49, 22)},
                    fields_);
    available_ = MakeControl<QCheckBox>(sheet, "CheckBox13", "Avalible", QRect(295, 242, 65, 17));
    MakeCoordinatesGroup(sheet, {QRect(0, 264, 369, 121), {8, 96, 192, 280}, 20}, fields_);
    for (std::size_t i = 0; i < fields_.corners.size(); ++i) {
        fields_.corners[i]->setSingleStep(i == 0 ? 10 : 1);
    }

    auto* load = MakeControl<QPushButton>(sheet, "Button1", "Load GenMonster", QRect(0, 392, 105, 17));
    auto* add = MakeControl<QPushButton>(sheet, "ans", "Add new spawn", QRect(136, 392, 97, 17));
    auto* save = MakeControl<QPushButton>(sheet, "SGM", "Save GenMonster", QRect(272, 392, 106, 17));

    focusedList_ = monsterList_;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == monsterList_ || now == areaList_) {
            focusedList_ = static_cast<QListWidget*>(now);
        }
    });
    connect(new ListClicks(monsterList_), &ListClicks::clicked, this,
            Guarded(shell_, this, &SpawnPage::showMonsterAreas));
    connect(new ListClicks(areaList_), &ListClicks::clicked, this,
            Guarded(shell_, this, &SpawnPage::showClickedArea));
    connect(fields_.typeOfSpawn, &RadioGroup::itemIndexChanged, this,
            Guarded(shell_, this, &SpawnPage::applyTypeOfSpawn));
    for (QSpinBox* field : {fields_.map, fields_.max, fields_.cycle}) {
        connect(field, &QSpinBox::valueChanged, this, Guarded(shell_, [this, field] { editValues(field); }));
    }
    for (QSpinBox* field : fields_.corners) {
        connect(field, &QSpinBox::valueChanged, this, Guarded(shell_, [this, field] { editCorners(field); }));
    }
    connect(available_, &QCheckBox::toggled, this, Guarded(shell_, this, &SpawnPage::editAvailable));
    connect(showArea, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::showSelectedAreas));
    connect(add, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::openAddSpawnDialog));
    connect(load, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::loadGenMonster));
    connect(save, &QPushButton::clicked, this, Guarded(shell_, this, &SpawnPage::saveGenMonster));
}

void SpawnPage::loadGenMonster() {
    if (!MayDropChanges(shell_, history_, [this] { return saveGenMonster(); })) {
        return;
    }
    const std::optional<QString> path =
        shell_.chooseFile(FileDialog::OpenDialog3,
                          {.title = QStringLiteral("Select GenMonster"),
                           .filter = QStringLiteral("GenMonster|GenMonster.txt|All txt|*.txt|ALL |*.*")});
    if (!path) {
        shell_.PostStatus(QStringLiteral("GenMonster NOT Loaded!"));
        return;
    }
    const GenMonsterLoad load = editor_.LoadGenMonster(PathBytes(*path));
    history_.Loaded(*path);
    workspace_.spawnText = load.encoding;
    showAreas();
    showNoSpawn();
    WarnLoadNotes(shell_, *path, load.notes);
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
        refreshMonsterList();
    }
}

void SpawnPage::refreshMonsterList() {
    // The lists show what was built, also when an index that is not a number ended the build.
    const auto showBuilt = qScopeGuard([this] {
        showMonsterList();
        showAreas();
        showNoSpawn();
    });
    editor_.BuildMonsterList();
}

void SpawnPage::showMonsterList() {
    const QSignalBlocker blocker(monsterList_);
    monsterList_->clear();
    for (const SpawnEditor::MonsterEntry& entry : editor_.monsterList()) {
        monsterList_->addItem(ToQ(entry.name, workspace_.monsterNameText));
    }
}

void SpawnPage::showAreas() {
    const QSignalBlocker blocker(areaList_);
    areaList_->clear();
    for (const std::size_t spawn : editor_.areas()) {
        auto* item = new QListWidgetItem(ToQ(editor_.AreaOf(spawn), workspace_.spawnText), areaList_);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(spawn));
    }
}

FindTarget SpawnPage::findTarget() const {
    if (focusedList_ == areaList_) {
        return {areaList_, editor_.AreaFindEntries(), workspace_.spawnText};
    }
    return {monsterList_, editor_.MonsterFindEntries(), workspace_.monsterNameText};
}

void SpawnPage::showMonsterAreas() {
    const int entry = monsterList_->currentRow();
    if (entry < 0) {
        return;
    }
    editor_.ChooseMonster(static_cast<std::size_t>(entry));
    showAreas();
}

void SpawnPage::showClickedArea() {
    if (const QListWidgetItem* current = areaList_->currentItem()) {
        showSpawn(current->data(Qt::UserRole).value<qulonglong>());
    }
}

void SpawnPage::showSpawn(std::size_t spawn) {
    const std::vector<QSignalBlocker> quiet = quietFields(available_, fields_);
    editor_.ShowSpawn(spawn, *this);
}

void SpawnPage::showNoSpawn() {
    const std::vector<QSignalBlocker> quiet = quietFields(available_, fields_);
    available_->setChecked(false);
    monsterName_->clear();
    fields_.showNone();
}

void SpawnPage::ShowAvailable(bool available) {
    available_->setChecked(available);
}

void SpawnPage::ShowMonsterName(const std::string& name) {
    monsterName_->setText(ToQ(name, workspace_.monsterNameText));
}

void SpawnPage::ShowNumber(SpawnField field, std::optional<std::int32_t> value) {
    SpinEdit* edit =
        field == SpawnField::Map   ? fields_.map
        : field == SpawnField::Max ? fields_.max
        : field == SpawnField::Cycle
            ? fields_.cycle
            : fields_.corners.at(static_cast<std::size_t>(field) - static_cast<std::size_t>(SpawnField::X1));
    // An empty field holds 0, as an emptied field counts, so that an edit of
    // another corner stores 0 for it, not the corner shown before.
    edit->setValue(value.value_or(0));
    if (!value) {
        edit->clear();
    }
}

void SpawnPage::ShowTypeOfSpawn(bool point) {
    fields_.typeOfSpawn->setItemIndex(point ? 0 : 1);
    fields_.applyTypeOfSpawn();
}

void SpawnPage::ShowCornerTexts(const std::array<std::string, 4>& corners) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        fields_.cornerLabels[i]->setText(ToQ(corners[i], workspace_.spawnText));
    }
}

void SpawnPage::applyTypeOfSpawn() {
    fields_.applyTypeOfSpawn();
}

void SpawnPage::editValues(QWidget* field) {
    EditThrough(changing_, field, [this] { editor_.EditValues(fields_.values()); })();
}

void SpawnPage::editCorners(QWidget* field) {
    EditThrough(changing_, field, [this] { editor_.EditCorners(fields_.values()); })();
}

void SpawnPage::editAvailable() {
    EditThrough(changing_, available_, [this] { editor_.SetAvailable(available_->isChecked()); })();
}

QString SpawnPage::changeName(const SpawnEditor::Change& change) const {
    if (change.kind == ChangeKind::AddSpawn) {
        return QStringLiteral("Add spawn, area ") +
               ToQ(change.appended.front()[SpawnField::Area], workspace_.spawnText);
    }
    return FieldEditName(changing_,
                         QStringLiteral("area ") +
                             ToQ(editor_.AreaOf(change.edits.front().position), workspace_.spawnText));
}

void SpawnPage::followChange(const SpawnEditor::Change& change) {
    if (changing_ != nullptr) {
        return;
    }
    if (change.kind == ChangeKind::AddSpawn) {
        if (const std::optional<std::size_t> added = editor_.AppendedSpawn(change)) {
            showAddedSpawn(*added);
        } else {
            refreshMonsterList();
        }
        return;
    }
    const std::optional<std::size_t> shown = editor_.shownSpawn();
    if (shown &&
        std::ranges::any_of(change.edits, [&](const auto& edit) { return edit.position == *shown; })) {
        showSpawn(*shown);
    }
}

void SpawnPage::showAddedSpawn(std::size_t position) {
    refreshMonsterList();
    const std::optional<SpawnEditor::ListPlace> place = editor_.PlaceOf(position);
    // No list is built without monster names.
    if (!place) {
        return;
    }
    {
        const QSignalBlocker blocker(monsterList_);
        monsterList_->setCurrentRow(static_cast<int>(place->entry));
    }
    showMonsterAreas();
    {
        const QSignalBlocker blocker(areaList_);
        areaList_->setCurrentRow(static_cast<int>(place->row));
    }
    showClickedArea();
}

void SpawnPage::showSelectedAreas() {
    if (areaList_->currentItem() == nullptr) {
        shell_.Warning(QStringLiteral("Please select Area"));
        return;
    }
    // The selected rows in list order, read from the selection once rather
    // than asked of every row.
    std::vector<int> rows;
    for (const QModelIndex& index : areaList_->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> selected;
    for (const int row : rows) {
        selected.push_back(editor_.AreaOf(areaList_->item(row)->data(Qt::UserRole).value<qulonglong>()));
    }
    emit areasToShow(selected);
}

void SpawnPage::openAddSpawnDialog() {
    if (workspace_.NamesLoaded && workspace_.GenMonsterLoaded) {
        emit addSpawnWanted();
    } else {
        shell_.Warning(QStringLiteral("Please load GenMonster and Monsters name"));
    }
}

bool SpawnPage::saveGenMonster() {
    std::optional<std::string> bytes;
    if (workspace_.KeepLayout) {
        bytes = editor_.SavedKeepingLayout();
    }
    if (!bytes) {
        // The regenerating save shows its lines in the writers' buffer.
        WriterLines& lines = shell_.lines();
        lines.Clear();
        for (const std::string& line : editor_.SavedLines()) {
            lines.Append(line);
        }
        bytes = lines.Text();
    }
    const std::optional<QString> path = shell_.chooseFile(FileDialog::SaveDialog2);
    if (!path) {
        // The status line is cleared three seconds later in either case.
        shell_.PostStatus(shell_.statusText());
        return false;
    }
    shell_.SaveFile(*path, *bytes);
    history_.Saved(*path);
    shell_.PostStatus(QStringLiteral("GenMonster saved! in: ") + *path);
    return true;
}
