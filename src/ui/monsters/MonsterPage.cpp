#include "monsters/MonsterPage.h"

#include "common/ChangeNames.h"
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
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QSpinBox>

#include <optional>

namespace {
using Slot = MonsterSlot;

// Each control is set without telling its change handler, and only when it
// shows something else: a field being typed in keeps its cursor.
void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        const QSignalBlocker quiet(edit);
        edit->setText(text);
    }
}

void showNumber(QSpinBox* spin, int value) {
    if (spin->value() != value) {
        const QSignalBlocker quiet(spin);
        spin->setValue(value);
    }
}

void showTicked(QCheckBox* box, bool ticked) {
    const QSignalBlocker quiet(box);
    box->setChecked(ticked);
}

void showButton(RadioGroup* group, int button) {
    const QSignalBlocker quiet(group);
    group->setItemIndex(button);
}
} // namespace

MonsterPage::MonsterPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace),
      editor_(workspace.monsters, {workspace.monsterNames, workspace.initMonsterRead, workspace.monsterText,
                                   workspace.monsterNameText, workspace.NamesLoaded}),
      history_(shell.history(EditedTable::InitMonster)) {
    buildControls(sheet);
    connectHandlers();
    editor_.OnChanged([this](const MonsterEditor::Change& change) { showChange(change); });
    KeepHistory(shell_, editor_, history_.stack(),
                [this](const MonsterEditor::Change& change) { return changeName(change); });
}

void MonsterPage::connectHandlers() {
    connect(loadButton, &QPushButton::clicked, this, Guarded(shell_, this, &MonsterPage::loadInitMonster));
    connect(refreshButton, &QPushButton::clicked, this,
            Guarded(shell_, this, &MonsterPage::refreshMonsterList));
    connect(saveButton, &QPushButton::clicked, this, Guarded(shell_, this, &MonsterPage::saveInitMonster));
    connect(expChangeButton, &QPushButton::clicked, this,
            Guarded(shell_, this, &MonsterPage::changeExperienceForAll));
    connect(new ListClicks(monsterList), &ListClicks::clicked, this,
            Guarded(shell_, this, &MonsterPage::showSelectedMonster));

    const auto edit = [this](QWidget* control, auto change) {
        return Guarded(shell_, EditThrough(changing_, control, std::move(change)));
    };
    connect(availableBox, &QCheckBox::toggled, this,
            edit(availableBox, [this](bool ticked) { editor_.SetAvailable(ticked); }));
    connect(rangeAttackBox, &QCheckBox::toggled, this,
            edit(rangeAttackBox, [this](bool ticked) { editor_.SetRangeAttack(ticked); }));
    connect(raceGroup, &RadioGroup::itemIndexChanged, this,
            edit(raceGroup, [this](int button) { editor_.SetRace(button); }));
    connect(aggressiveGroup, &RadioGroup::itemIndexChanged, this,
            edit(aggressiveGroup, [this](int button) { editor_.SetAggressive(button); }));
    for (const TextField& field : textFields_) {
        connect(field.edit, &QLineEdit::textChanged, this,
                edit(field.edit, [this, slot = field.slot](const QString& text) {
                    editor_.SetField(slot, FromQ(text, editor_.MonsterText()));
                }));
    }
    for (const NumberField& field : itemGroupFields_) {
        connect(field.spin, &QSpinBox::valueChanged, this,
                edit(field.spin, [this, slot = field.slot](int value) { editor_.SetNumber(slot, value); }));
    }
}

void MonsterPage::loadInitMonster() {
    if (MayDropChanges(shell_, history_, [this] { return saveInitMonster(); })) {
        loadFile(FileDialog::OpenDialog1, &MonsterEditor::LoadInitMonster,
                 QStringLiteral("InitMonster Loaded!"), QStringLiteral("InitMonster NOT Loaded!"), &history_);
    }
}

void MonsterPage::loadMonsterNames() {
    loadFile(FileDialog::OpenDialog2, &MonsterEditor::LoadMonsterNames,
             QStringLiteral("Monsters Name Loaded!"), QStringLiteral("Monsters Name NOT Loaded!"));
}

void MonsterPage::loadFile(FileDialog dialog, FileRead read, const QString& loaded, const QString& notLoaded,
                           FileHistory* replaced) {
    const std::optional<QString> path = shell_.chooseFile(dialog);
    if (!path) {
        shell_.PostStatus(notLoaded);
        return;
    }
    const MonsterFileRead result = (editor_.*read)(PathBytes(*path));
    if (replaced != nullptr) {
        replaced->Loaded(*path);
    }
    showMonster();
    WarnLoadNotes(shell_, *path, result.notes);
    shell_.PostStatus(loaded);
    if (result.next == AfterLoad::RefreshList) {
        refreshMonsterList();
    } else if (shell_.Confirm(QStringLiteral("Do you want to load Monsters Name?"))) {
        loadMonsterNames();
    }
}

void MonsterPage::refreshMonsterList() {
    if (!editor_.CanRefreshList()) {
        return;
    }
    // The list shows the entries built, also when a failure ended the build, and no monster.
    const auto showBuilt = qScopeGuard([this] {
        showMonsterList();
        showMonster();
    });
    editor_.RefreshList();
}

void MonsterPage::showMonsterList() {
    const QSignalBlocker quiet(monsterList);
    monsterList->clear();
    for (const MonsterListEntry& entry : editor_.Entries()) {
        auto* item = new QListWidgetItem(ToQ(entry.name, editor_.NameText()), monsterList);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(entry.position));
    }
}

FindTarget MonsterPage::findTarget() const {
    return {monsterList, editor_.FindEntries(), editor_.NameText()};
}

void MonsterPage::showSelectedMonster() {
    const QListWidgetItem* item = monsterList->currentItem();
    if (item != nullptr && editor_.Select(item->data(Qt::UserRole).toULongLong())) {
        showMonster();
    }
}

void MonsterPage::showMonster() {
    titleLabel->setText(ToQ(editor_.Title(), editor_.NameText()));
    indexLabel->setText(editor_.SelectedPosition()
                            ? QStringLiteral("Index: ") +
                                  ToQ(editor_.Field(Slot::Index), editor_.MonsterText())
                            : QStringLiteral("Index:"));
    showSlot(Slot::Commented);
    showSlot(Slot::RangeAttack);
    for (const TextField& field : textFields_) {
        showField(field);
    }
    for (const NumberField& field : itemGroupFields_) {
        showField(field);
    }
    showSlot(Slot::Race);
    showSlot(Slot::Ai);
}

void MonsterPage::showField(const TextField& field) {
    showText(field.edit, ToQ(editor_.Field(field.slot), editor_.MonsterText()));
}

void MonsterPage::showField(const NumberField& field) {
    showNumber(field.spin, editor_.Number(field.slot));
}

void MonsterPage::showSlot(MonsterSlot slot) {
    switch (slot) {
    case Slot::Commented:
        showTicked(availableBox, editor_.Available());
        return;
    case Slot::RangeAttack:
        showTicked(rangeAttackBox, editor_.RangeAttack());
        return;
    case Slot::Race:
        showButton(raceGroup, editor_.RaceButton());
        return;
    case Slot::Ai:
        showButton(aggressiveGroup, editor_.AggressiveButton());
        return;
    default:
        break;
    }
    const auto showFieldsOfSlot = [this, slot](const auto& fields) {
        for (const auto& field : fields) {
            if (field.slot == slot) {
                showField(field);
            }
        }
    };
    showFieldsOfSlot(textFields_);
    showFieldsOfSlot(itemGroupFields_);
}

void MonsterPage::showChange(const MonsterEditor::Change& change) {
    const std::optional<std::size_t> selected = editor_.SelectedPosition();
    for (const auto& edit : change.edits) {
        if (edit.position == selected) {
            showSlot(static_cast<MonsterSlot>(edit.field));
        }
    }
}

QString MonsterPage::changeName(const MonsterEditor::Change& change) const {
    if (change.kind == ChangeKind::ExperienceChange) {
        return QStringLiteral("Experience change for all monsters");
    }
    return FieldEditName(changing_, ToQ(editor_.Title(), editor_.NameText()));
}

ExpOperation MonsterPage::chosenOperation() const {
    constexpr ExpOperation kOperations[] = {ExpOperation::Add, ExpOperation::Subtract, ExpOperation::Multiply,
                                            ExpOperation::Divide};
    for (std::size_t i = 0; i < expOperationButtons.size(); ++i) {
        if (expOperationButtons[i]->isChecked()) {
            return kOperations[i];
        }
    }
    return ExpOperation::None;
}

void MonsterPage::changeExperienceForAll() {
    editor_.ChangeExperience(chosenOperation(), SpinValue(expAmountSpin));
    shell_.PostStatus(QStringLiteral("EXP changed for ALL Monsters!"));
}

bool MonsterPage::saveInitMonster() {
    if (editor_.SavesKeepingLayout(workspace_.KeepLayout)) {
        return saveToChosenFile([this] { return editor_.LayoutKeepingSave(); });
    }
    fillWriterLines();
    WriterLines& lines = shell_.lines();
    const bool saved = saveToChosenFile([&lines] { return lines.Text(); });
    lines.Clear();
    return saved;
}

// The lines of the regenerating save go through the writers' line buffer,
// the gauge following them.
void MonsterPage::fillWriterLines() {
    WriterLines& lines = shell_.lines();
    lines.Clear();
    const std::vector<std::string> saved = editor_.SavedLines();
    saveProgress->setMaximum(static_cast<int>(saved.size()) - 1);
    saveProgress->setValue(0);
    savingLabel->show();
    saveProgress->show();
    for (std::size_t position = 0; position < saved.size(); ++position) {
        lines.Append(saved[position]);
        saveProgress->setValue(static_cast<int>(position));
    }
    saveProgress->hide();
    savingLabel->hide();
}

bool MonsterPage::saveToChosenFile(const std::function<std::string()>& bytes) {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::SaveDialog1);
    if (!path) {
        return false;
    }
    shell_.SaveFile(*path, bytes());
    history_.Saved(*path);
    shell_.PostStatus(QStringLiteral("InitMonster saved! in: ") + *path);
    return true;
}
