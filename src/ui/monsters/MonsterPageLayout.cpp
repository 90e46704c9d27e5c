// The controls of the "Monster" page at their fixed places.
#include "monsters/MonsterPage.h"

#include "common/ControlBuilders.h"
#include "common/RadioGroup.h"
#include "common/SpinEdit.h"
#include "monsters/MonsterSlots.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <limits>

namespace {
using Slot = MonsterSlot;

constexpr int kEditHeight = 21;
constexpr int kRowPitch = 25;
constexpr int kFirstRow = 20;

int row(int index) {
    return kFirstRow + index * kRowPitch;
}
} // namespace

void MonsterPage::buildControls(QWidget* sheet) {
    buildListAndButtons(sheet);
    buildExpChange(sheet);

    QGroupBox* monster = MakeControl<QGroupBox>(sheet, "GroupBoxMonster", "Monster", QRect(162, 0, 467, 441));
    titleLabel = MakeLabel(monster, "Label8", QString(), QRect(10, 14, 447, 28));
    QFont title = titleLabel->font();
    title.setPointSize(15);
    title.setBold(true);
    titleLabel->setFont(title);
    QPalette red = titleLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    titleLabel->setPalette(red);

    buildBasic(monster);
    buildStatistic(monster);
    buildItemGroup(monster);
    buildAttackDefence(monster);
}

void MonsterPage::buildListAndButtons(QWidget* sheet) {
    monsterList = new QListWidget(sheet);
    monsterList->setObjectName("ListBox2");
    monsterList->setGeometry(4, 6, 154, 224);

    loadButton = MakeControl<QPushButton>(sheet, "Button2", "Load InitMonster", QRect(4, 234, 154, 25));
    refreshButton = MakeControl<QPushButton>(sheet, "Button8", "Refresh list", QRect(4, 262, 154, 25));
    saveButton = MakeControl<QPushButton>(sheet, "Button6", "Save InitMonster", QRect(4, 290, 154, 25));

    savingLabel = MakeLabel(sheet, "Label11", "Saving...", QRect(4, 404, 154, 16));
    savingLabel->hide();
    saveProgress = new QProgressBar(sheet);
    saveProgress->setObjectName("Gauge1");
    saveProgress->setGeometry(4, 421, 154, 20);
    saveProgress->setMinimum(0);
    saveProgress->hide();
}

void MonsterPage::buildExpChange(QWidget* sheet) {
    QGroupBox* group =
        MakeControl<QGroupBox>(sheet, "GroupBox12", "Global Exp Change", QRect(4, 320, 154, 80));
    const QStringList signs{"+", "-", "x", "/"};
    auto* exclusive = new QButtonGroup(group);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(signs[i], group);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        button->setGeometry(6 + i * 36, 20, 35, 20);
        exclusive->addButton(button);
        expOperationButtons.at(static_cast<std::size_t>(i)) = button;
    }
    expAmountSpin = MakeSpinEdit(group, "SpinEdit5", QRect(6, 48, 84, 24));
    expChangeButton = MakeControl<QPushButton>(group, "Button7", "Change", QRect(94, 48, 54, 24));
}

void MonsterPage::addTextField(QWidget* parent, const QString& objectName, const QString& caption,
                               MonsterSlot slot, const QRect& geometry, int labelWidth) {
    QLineEdit* edit = MakeLabeledEdit(parent, objectName, caption, geometry, LabelSide::Left, labelWidth);
    // A slot may hold more than the default 32767 characters; none may be cut off.
    edit->setMaxLength(std::numeric_limits<int>::max());
    textFields_.push_back({edit, slot});
}

void MonsterPage::addTextColumn(QWidget* parent, std::initializer_list<TextFieldSpec> fields, QRect geometry,
                                int labelWidth) {
    for (const TextFieldSpec& field : fields) {
        addTextField(parent, field.objectName, field.caption, field.slot, geometry, labelWidth);
        geometry.translate(0, kRowPitch);
    }
}

void MonsterPage::buildBasic(QWidget* monster) {
    QGroupBox* basic = MakeControl<QGroupBox>(monster, "GroupBoxBasic", "Basic", QRect(6, 42, 455, 100));
    indexLabel = MakeLabel(basic, "Label7", "Index:", QRect(10, 20, 96, 20));
    availableBox = MakeControl<QCheckBox>(basic, "CheckBox15", "Avalible", QRect(10, 48, 96, 20));
    addTextField(basic, "LabeledEdit46", "Level", Slot::Level, QRect(146, 18, 84, kEditHeight), 34);
    addTextField(basic, "LabeledEdit47", "Exp", Slot::Exp, QRect(146, 46, 84, kEditHeight), 34);
    aggressiveGroup = new RadioGroup(basic, "RadioGroup3", "Agressive", {"Yes", "No"}, 2);
    aggressiveGroup->setGeometry(238, 10, 210, 44);
    raceGroup = new RadioGroup(basic, "RadioGroup2", "Race", {"0", "1", "2", "3", "4"}, 5);
    raceGroup->setGeometry(238, 54, 210, 44);
}

void MonsterPage::buildStatistic(QWidget* monster) {
    QGroupBox* statistic =
        MakeControl<QGroupBox>(monster, "GroupBoxStatistic", "Statistic", QRect(6, 146, 148, 196));
    addTextColumn(statistic,
                  {{"LabeledEdit24", "Str", Slot::Str},
                   {"LabeledEdit25", "Hth", Slot::Hth},
                   {"LabeledEdit29", "Int", Slot::Int},
                   {"LabeledEdit26", "Wis", Slot::Wis},
                   {"LabeledEdit23", "Dex", Slot::Dex},
                   {"LabeledEdit27", "Hp", Slot::Hp},
                   {"LabeledEdit28", "Mp", Slot::Mp}},
                  QRect(50, row(0), 84, kEditHeight), 32);
}

void MonsterPage::buildItemGroup(QWidget* monster) {
    QGroupBox* items =
        MakeControl<QGroupBox>(monster, "GroupBoxItemGroup", "ItemGroup", QRect(6, 346, 148, 90));
    const MonsterSlot itemSlots[] = {Slot::ItemGroup1, Slot::ItemGroup1Second, Slot::ItemGroup2,
                                     Slot::ItemGroup2Second};
    for (int i = 0; i < 4; ++i) {
        const int y = 22 + (i / 2) * 30;
        if (i % 2 == 0) {
            MakeLabel(items, QStringLiteral("ItemGroupRow%1").arg(i / 2 + 1),
                      QStringLiteral("%1:").arg(i / 2 + 1), QRect(6, y, 14, 24));
        }
        QSpinBox* spin =
            MakeSpinEdit(items, QStringLiteral("SpinEdit%1").arg(i + 1), QRect(22 + (i % 2) * 62, y, 60, 24));
        itemGroupFields_.push_back({spin, itemSlots[i]});
    }
}

void MonsterPage::buildAttackDefence(QWidget* monster) {
    QGroupBox* group = MakeControl<QGroupBox>(monster, "GroupBoxAttackDefence", "Attack / Defence",
                                              QRect(160, 146, 301, 290));
    rangeAttackBox =
        MakeControl<QCheckBox>(group, "CheckBox11", "Range Atk", QRect(10, row(0), 136, kEditHeight));
    addTextColumn(group,
                  {{"LabeledEdit37", "Attack MAX", Slot::AttackMax},
                   {"LabeledEdit36", "Attack MIN", Slot::AttackMin},
                   {"LabeledEdit33", "Magic MAX", Slot::MagicMax},
                   {"LabeledEdit38", "Magic MIN", Slot::MagicMin},
                   {"LabeledEdit30", "P. Defense", Slot::PhysicalDefense},
                   {"LabeledEdit40", "M. Defense", Slot::MagicalDefense},
                   {"LabeledEdit32", "Absorb", Slot::Absorb},
                   {"LabeledEdit34", "Atack Speed", Slot::Aspeed}},
                  QRect(80, row(1), 66, kEditHeight), 70);
    addTextColumn(group,
                  {{"LabeledEdit39", "Range", Slot::Range},
                   {"LabeledEdit31", "Move Speed", Slot::Mspeed},
                   {"LabeledEdit35", "    Hit", Slot::Hit},
                   {"LabeledEdit48", "Sight 1", Slot::Sight1},
                   {"LabeledEdit49", "Sight 2", Slot::Sight2},
                   {"LabeledEdit41", "Fire", Slot::ResistFire},
                   {"LabeledEdit42", "Ice", Slot::ResistIce},
                   {"LabeledEdit43", "Litning", Slot::ResistLightning},
                   {"LabeledEdit44", "Curse", Slot::ResistCurse},
                   {"LabeledEdit45", "Palsy", Slot::ResistPalsy}},
                  QRect(226, row(0), 68, kEditHeight), 70);
}
