#include "monsters/MonsterPage.h"

#include "common/GuardedHandler.h"
#include "common/ListClicks.h"
#include "common/LoadWarnings.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/SpinEdit.h"
#include "common/TextCodec.h"
#include "common/WriterLines.h"
#include "monsters/ExperienceChange.h"
#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterSlots.h"
#include "records/FileBytes.h"
#include "records/IntegerText.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSpinBox>

#include <algorithm>
#include <optional>

namespace {
namespace Slot = MonsterSlot;

std::string readWhole(const QString& path) {
    return ReadWholeFile(PathBytes(path));
}
} // namespace

MonsterPage::MonsterPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace) {
    buildControls(sheet);
    connectHandlers();
}

void MonsterPage::connectHandlers() {
    connect(Button2, &QPushButton::clicked, this, Guarded(shell_, this, &MonsterPage::InitMonster1Click));
    connect(Button8, &QPushButton::clicked, this, Guarded(shell_, this, &MonsterPage::Button8Click));
    connect(Button6, &QPushButton::clicked, this, Guarded(shell_, this, &MonsterPage::InitMonster2Click));
    connect(Button7, &QPushButton::clicked, this, Guarded(shell_, this, &MonsterPage::Button7Click));
    connect(new ListClicks(ListBox2), &ListClicks::clicked, this,
            Guarded(shell_, this, &MonsterPage::ListBox2Click));
    connect(CheckBox15, &QCheckBox::toggled, this, Guarded(shell_, this, &MonsterPage::CheckBox15Click));
    connect(CheckBox11, &QCheckBox::toggled, this, Guarded(shell_, this, &MonsterPage::CheckBox11Click));
    connect(RadioGroup2, &RadioGroup::itemIndexChanged, this,
            Guarded(shell_, this, &MonsterPage::RadioGroup2Click));
    connect(RadioGroup3, &RadioGroup::itemIndexChanged, this,
            Guarded(shell_, this, &MonsterPage::RadioGroup3Click));
    for (const SlotEdit& field : edits_) {
        connect(field.edit, &QLineEdit::textChanged, this,
                Guarded(shell_,
                        [this, slot = field.slot](const QString& text) { LabeledEditChange(slot, text); }));
    }
    for (const SlotSpin& field : spins_) {
        connect(field.spin, &QSpinBox::valueChanged, this,
                Guarded(shell_, [this, slot = field.slot](int value) { SpinEditChange(slot, value); }));
    }
}

void MonsterPage::InitMonster1Click() {
    if (!ReadInitMonster()) {
        shell_.PostStatus(QStringLiteral("InitMonster NOT Loaded!"));
        return;
    }
    shell_.PostStatus(QStringLiteral("InitMonster Loaded!"));
    if (!workspace_.NamesLoaded && shell_.Confirm(QStringLiteral("Do you want to load Monsters Name?"))) {
        MonsterName1Click();
    }
    if (workspace_.NamesLoaded) {
        Button8Click();
    }
}

bool MonsterPage::ReadInitMonster() {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::OpenDialog1);
    if (!path) {
        return false;
    }
    std::string bytes = readWhole(*path);
    const InitMonsterLoad load = ParseInitMonster(bytes, workspace_.monsters);
    workspace_.initMonsterRead = std::move(bytes);
    workspace_.monsterText = load.encoding;
    WarnLoadNotes(shell_, *path, load.notes);
    return true;
}

void MonsterPage::MonsterName1Click() {
    if (!ReadMonsterNames()) {
        shell_.PostStatus(QStringLiteral("Monsters Name NOT Loaded!"));
        return;
    }
    shell_.PostStatus(QStringLiteral("Monsters Name Loaded!"));
    workspace_.NamesLoaded = true;
    Button8Click();
}

bool MonsterPage::ReadMonsterNames() {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::OpenDialog2);
    if (!path) {
        return false;
    }
    const MonsterNamesLoad load = ParseMonsterNames(readWhole(*path), workspace_.monsterNames);
    workspace_.monsterNameText = load.encoding;
    WarnLoadNotes(shell_, *path, load.notes);
    return true;
}

void MonsterPage::Button8Click() {
    const MonsterTable& table = workspace_.monsters;
    const MonsterNameTable& names = workspace_.monsterNames;
    if (table.size() == 0 || !names.hasNames()) {
        return;
    }
    ListBox2->clear();
    for (std::size_t position = 0; position < table.size(); ++position) {
        ListBox2->addItem(
            ToQ(names.MonsterNameForText(table[position][Slot::Index]), workspace_.monsterNameText));
    }
}

void MonsterPage::ListBox2Click() {
    const int selected = ListBox2->currentRow();
    if (selected < 0 || static_cast<std::size_t>(selected) >= workspace_.monsters.size()) {
        return;
    }
    const MonsterRecord& record = workspace_.monsters[static_cast<std::size_t>(selected)];
    const QScopedValueRollback<bool> filling(filling_, true);

    Label8->setText(
        ToQ(workspace_.monsterNames.MonsterNameForText(record[Slot::Name]), workspace_.monsterNameText));
    Label7->setText(QStringLiteral("Index: ") + ToQ(record[Slot::Index], workspace_.monsterText));
    CheckBox15->setChecked(record[Slot::Commented] == "0");
    CheckBox11->setChecked(record[Slot::Attack] == "1");
    for (const SlotEdit& field : edits_) {
        field.edit->setText(ToQ(record[field.slot], workspace_.monsterText));
    }
    for (const SlotSpin& field : spins_) {
        const std::string& value = record[field.slot];
        field.spin->setValue(value.empty() ? 0 : StrToInt(value));
    }
    const std::string& race = record[Slot::Race];
    RadioGroup2->setItemIndex(race.empty() ? -1 : std::clamp(StrToInt(race), 0, 4));
    const std::string& ai = record[Slot::Ai];
    RadioGroup3->setItemIndex(
        ai.empty() ? -1 : static_cast<int>(std::clamp<std::int64_t>(std::int64_t{StrToInt(ai)} - 1, -1, 1)));
}

void MonsterPage::store(std::size_t slot, std::string value) {
    const int selected = ListBox2->currentRow();
    if (filling_ || selected < 0 || static_cast<std::size_t>(selected) >= workspace_.monsters.size()) {
        return;
    }
    workspace_.monsters[static_cast<std::size_t>(selected)][slot] = std::move(value);
}

void MonsterPage::CheckBox15Click() {
    store(Slot::Commented, CheckBox15->isChecked() ? "0" : "1");
}

void MonsterPage::CheckBox11Click() {
    store(Slot::Attack, CheckBox11->isChecked() ? "1" : "0");
}

void MonsterPage::RadioGroup2Click() {
    if (RadioGroup2->itemIndex() >= 0) {
        store(Slot::Race, IntToStr(RadioGroup2->itemIndex()));
    }
}

void MonsterPage::RadioGroup3Click() {
    if (RadioGroup3->itemIndex() >= 0) {
        store(Slot::Ai, IntToStr(RadioGroup3->itemIndex() + 1));
    }
}

void MonsterPage::LabeledEditChange(std::size_t slot, const QString& text) {
    store(slot, FromQ(text, workspace_.monsterText));
}

void MonsterPage::SpinEditChange(std::size_t slot, int value) {
    store(slot, IntToStr(value));
}

void MonsterPage::Button7Click() {
    ExpOperation operation = ExpOperation::None;
    if (RadioButton1->isChecked()) {
        operation = ExpOperation::Add;
    } else if (RadioButton2->isChecked()) {
        operation = ExpOperation::Subtract;
    } else if (RadioButton3->isChecked()) {
        operation = ExpOperation::Multiply;
    } else if (RadioButton4->isChecked()) {
        operation = ExpOperation::Divide;
    }
    const std::int32_t amount = SpinValue(SpinEdit5);
    MonsterTable& table = workspace_.monsters;
    ApplyExpChange(table, ComputeExpChange(table, operation, amount));
    shell_.PostStatus(QStringLiteral("EXP changed for ALL Monsters!"));
}

void MonsterPage::InitMonster2Click() {
    if (workspace_.KeepLayout && workspace_.initMonsterRead) {
        SaveKeepingLayout();
        return;
    }
    WriterLines& lines = shell_.lines();
    lines.Clear();
    const MonsterTable& table = workspace_.monsters;
    const std::size_t last = SavedMonsterCount(table) - 1;
    Gauge1->setMaximum(static_cast<int>(last));
    Gauge1->setValue(0);
    Label11->show();
    Gauge1->show();
    for (std::size_t position = 0; position <= last; ++position) {
        lines.Append(InitMonsterLine(table[position]));
        Gauge1->setValue(static_cast<int>(position));
        // Repaint the gauge, but let no input edit or reload the table meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    Gauge1->hide();
    Label11->hide();

    if (const std::optional<QString> path = shell_.chooseFile(FileDialog::SaveDialog1)) {
        shell_.SaveFile(*path, lines.Text());
        shell_.PostStatus(QStringLiteral("InitMonster saved! in: ") + *path);
    }
    lines.Clear();
}

void MonsterPage::SaveKeepingLayout() {
    if (const std::optional<QString> path = shell_.chooseFile(FileDialog::SaveDialog1)) {
        shell_.SaveFile(*path, InitMonsterKeepingLayout(*workspace_.initMonsterRead, workspace_.monsters));
        shell_.PostStatus(QStringLiteral("InitMonster saved! in: ") + *path);
    }
}
