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
namespace Slot = MonsterSlot;

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
    Label8 = MakeLabel(monster, "Label8", QString(), QRect(10, 14, 447, 28));
    QFont title = Label8->font();
    title.setPointSize(15);
    title.setBold(true);
    Label8->setFont(title);
    QPalette red = Label8->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label8->setPalette(red);

    buildBasic(monster);
    buildStatistic(monster);
    buildItemGroup(monster);
    buildAttackDefence(monster);
}

void MonsterPage::buildListAndButtons(QWidget* sheet) {
    ListBox2 = new QListWidget(sheet);
    ListBox2->setObjectName("ListBox2");
    ListBox2->setGeometry(4, 6, 154, 224);

    Button2 = MakeControl<QPushButton>(sheet, "Button2", "Load InitMonster", QRect(4, 234, 154, 25));
    Button8 = MakeControl<QPushButton>(sheet, "Button8", "Refresh list", QRect(4, 262, 154, 25));
    Button6 = MakeControl<QPushButton>(sheet, "Button6", "Save InitMonster", QRect(4, 290, 154, 25));

    Label11 = MakeLabel(sheet, "Label11", "Saving...", QRect(4, 404, 154, 16));
    Label11->hide();
    Gauge1 = new QProgressBar(sheet);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setGeometry(4, 421, 154, 20);
    Gauge1->setMinimum(0);
    Gauge1->hide();
}

void MonsterPage::buildExpChange(QWidget* sheet) {
    QGroupBox* group =
        MakeControl<QGroupBox>(sheet, "GroupBox12", "Global Exp Change", QRect(4, 320, 154, 80));
    const QStringList signs{"+", "-", "x", "/"};
    QRadioButton** buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    auto* exclusive = new QButtonGroup(group);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(signs[i], group);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        button->setGeometry(6 + i * 36, 20, 35, 20);
        exclusive->addButton(button);
        *buttons[i] = button;
    }
    SpinEdit5 = MakeSpinEdit(group, "SpinEdit5", QRect(6, 48, 84, 24));
    Button7 = MakeControl<QPushButton>(group, "Button7", "Change", QRect(94, 48, 54, 24));
}

QLineEdit* MonsterPage::addEdit(QWidget* parent, const QString& objectName, const QString& caption,
                                std::size_t slot, const QRect& geometry, int labelWidth) {
    QLineEdit* edit = MakeLabeledEdit(parent, objectName, caption, geometry, LabelSide::Left, labelWidth);
    // A slot may hold more than the default 32767 characters; none may be cut off.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edits_.push_back({edit, slot});
    return edit;
}

void MonsterPage::buildBasic(QWidget* monster) {
    QGroupBox* basic = MakeControl<QGroupBox>(monster, "GroupBoxBasic", "Basic", QRect(6, 42, 455, 100));
    Label7 = MakeLabel(basic, "Label7", "Index:", QRect(10, 20, 96, 20));
    CheckBox15 = MakeControl<QCheckBox>(basic, "CheckBox15", "Avalible", QRect(10, 48, 96, 20));
    addEdit(basic, "LabeledEdit46", "Level", Slot::Level, QRect(146, 18, 84, kEditHeight), 34);
    addEdit(basic, "LabeledEdit47", "Exp", Slot::Exp, QRect(146, 46, 84, kEditHeight), 34);
    RadioGroup3 = new RadioGroup(basic, "RadioGroup3", "Agressive", {"Yes", "No"}, 2);
    RadioGroup3->setGeometry(238, 10, 210, 44);
    RadioGroup2 = new RadioGroup(basic, "RadioGroup2", "Race", {"0", "1", "2", "3", "4"}, 5);
    RadioGroup2->setGeometry(238, 54, 210, 44);
}

void MonsterPage::buildStatistic(QWidget* monster) {
    QGroupBox* statistic =
        MakeControl<QGroupBox>(monster, "GroupBoxStatistic", "Statistic", QRect(6, 146, 148, 196));
    const struct {
        const char* name;
        const char* caption;
        std::size_t slot;
    } fields[] = {{"LabeledEdit24", "Str", Slot::Str}, {"LabeledEdit25", "Hth", Slot::Hth},
                  {"LabeledEdit29", "Int", Slot::Int}, {"LabeledEdit26", "Wis", Slot::Wis},
                  {"LabeledEdit23", "Dex", Slot::Dex}, {"LabeledEdit27", "Hp", Slot::Hp},
                  {"LabeledEdit28", "Mp", Slot::Mp}};
    int index = 0;
    for (const auto& field : fields) {
        addEdit(statistic, field.name, field.caption, field.slot, QRect(50, row(index++), 84, kEditHeight),
                32);
    }
}

void MonsterPage::buildItemGroup(QWidget* monster) {
    QGroupBox* items =
        MakeControl<QGroupBox>(monster, "GroupBoxItemGroup", "ItemGroup", QRect(6, 346, 148, 90));
    const std::size_t itemSlots[] = {Slot::ItemGroup1, Slot::ItemGroup1 + 1, Slot::ItemGroup2,
                                     Slot::ItemGroup2 + 1};
    for (int i = 0; i < 4; ++i) {
        const int y = 22 + (i / 2) * 30;
        if (i % 2 == 0) {
            MakeLabel(items, QStringLiteral("ItemGroupRow%1").arg(i / 2 + 1),
                      QStringLiteral("%1:").arg(i / 2 + 1), QRect(6, y, 14, 24));
        }
        QSpinBox* spin =
            MakeSpinEdit(items, QStringLiteral("SpinEdit%1").arg(i + 1), QRect(22 + (i % 2) * 62, y, 60, 24));
        spins_.push_back({spin, itemSlots[i]});
    }
}

void MonsterPage::buildAttackDefence(QWidget* monster) {
    QGroupBox* group = MakeControl<QGroupBox>(monster, "GroupBoxAttackDefence", "Attack / Defence",
                                              QRect(160, 146, 301, 290));
    CheckBox11 =
        MakeControl<QCheckBox>(group, "CheckBox11", "Range Atk", QRect(10, row(0), 136, kEditHeight));
    const struct {
        const char* name;
        const char* caption;
        std::size_t slot;
    } left[] = {{"LabeledEdit37", "Attack MAX", Slot::Attack + 1},
                {"LabeledEdit36", "Attack MIN", Slot::Attack + 2},
                {"LabeledEdit33", "Magic MAX", Slot::Magic},
                {"LabeledEdit38", "Magic MIN", Slot::Magic + 1},
                {"LabeledEdit30", "P. Defense", Slot::Defense},
                {"LabeledEdit40", "M. Defense", Slot::Defense + 1},
                {"LabeledEdit32", "Absorb", Slot::Absorb},
                {"LabeledEdit34", "Atack Speed", Slot::Aspeed}},
      right[] = {{"LabeledEdit39", "Range", Slot::Range},      {"LabeledEdit31", "Move Speed", Slot::Mspeed},
                 {"LabeledEdit35", "    Hit", Slot::Hit},      {"LabeledEdit48", "Sight 1", Slot::Sight1},
                 {"LabeledEdit49", "Sight 2", Slot::Sight2},   {"LabeledEdit41", "Fire", Slot::Resist},
                 {"LabeledEdit42", "Ice", Slot::Resist + 1},   {"LabeledEdit43", "Litning", Slot::Resist + 2},
                 {"LabeledEdit44", "Curse", Slot::Resist + 3}, {"LabeledEdit45", "Palsy", Slot::Resist + 4}};
    int index = 1;
    for (const auto& field : left) {
        addEdit(group, field.name, field.caption, field.slot, QRect(80, row(index++), 66, kEditHeight), 70);
    }
    index = 0;
    for (const auto& field : right) {
        addEdit(group, field.name, field.caption, field.slot, QRect(226, row(index++), 68, kEditHeight), 70);
    }
}
