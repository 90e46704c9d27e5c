#include "items/ItemPage.h"

#include "common/ComboPicks.h"
#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/LoadWarnings.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/TextCodec.h"
#include "common/TypingLimit.h"
#include "items/InitItemReader.h"
#include "items/ItemNamesReader.h"
#include "items/LookaheadFeeder.h"
#include "records/IntegerText.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <limits>
#include <optional>

namespace {
using namespace item_field;

const QStringList kTypeCaptions{"Helmet", "Armor", "Gloves", "Shorts", "Boots", "Weapon"};
const QString kShieldCaption = QStringLiteral("Shield");
constexpr int kTypesWithoutShield = 6;
constexpr int kEditHeight = 20;
} // namespace

ItemPage::ItemPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace) {
    buildLists(sheet);
    buildSummary(sheet);
    buildParameters(sheet);
    buildSpecials(sheet);

    auto* load = new QPushButton(QStringLiteral("Load InitItem"), sheet);
    load->setObjectName("Button5");
    load->setGeometry(0, 424, 81, 17);
    connect(load, &QPushButton::clicked, this, Guarded(shell_, this, &ItemPage::Button5Click));

    connectWriteBacks();
    connect(CheckBox10, &QCheckBox::toggled, this, Guarded(shell_, this, &ItemPage::CheckBox10Click));
    resetDetailGroups();
}

void ItemPage::connectWriteBacks() {
    for (const BoundEdit& bound : edits_) {
        connect(bound.edit, &QLineEdit::textChanged, this,
                Guarded(shell_,
                        [this, field = bound.field](const QString& text) { ItemFieldChange(field, text); }));
    }
    for (const BoundCheck& bound : flags_) {
        connect(bound.box, &QCheckBox::toggled, this,
                Guarded(shell_, [this, field = bound.field](bool ticked) {
                    ItemFieldChange(field, ticked ? QStringLiteral("1") : QStringLiteral("0"));
                }));
    }
    connect(RadioGroup1, &RadioGroup::itemIndexChanged, this, Guarded(shell_, [this](int choice) {
                if (choice >= 0 && choice < static_cast<int>(kClassCount)) {
                    ItemFieldChange(kClass, ToQ(kClassTexts[choice]));
                }
            }));
}

void ItemPage::buildLists(QWidget* sheet) {
    const auto makeList = [sheet](const QString& objectName, const QString& caption, int top) {
        MakeLabel(sheet, objectName + "Label", caption, QRect(8, top - 17, 177, 16));
        auto* list = new QComboBox(sheet);
        list->setObjectName(objectName);
        list->setGeometry(8, top, 177, 22);
        list->setEnabled(false);
        return list;
    };
    ComboBox1 = makeList("ComboBox1", "Class:", 40);
    ComboBox1->addItems({"archer", "Knight", "mage", "all"});
    ComboBox1->setCurrentIndex(-1);
    ComboBox2 = makeList("ComboBox2", "Type:", 88);
    ComboBox2->addItems(kTypeCaptions);
    ComboBox2->setCurrentIndex(-1);
    ComboBox3 = makeList("ComboBox3", "Item:", 136);
    ComboBox3->setMaxVisibleItems(20);

    // A choice made again in the drop-down list runs its handler again, as does a change of
    // the chosen entry made any other way; one pick runs it once.
    for (const auto& [list, handler] :
         {std::pair{ComboBox1, &ItemPage::ComboBox1Change}, std::pair{ComboBox2, &ItemPage::ComboBox2Change},
          std::pair{ComboBox3, &ItemPage::ComboBox3Change}}) {
        connect(new ComboPicks(list), &ComboPicks::picked, this, Guarded(shell_, this, handler));
    }
}

void ItemPage::buildSummary(QWidget* sheet) {
    auto* picture = MakeLabel(sheet, "Image1", QString(), QRect(24, 192, 33, 33));
    picture->setFrameShape(QFrame::StyledPanel);
    MakeLabel(sheet, "idLabel", "Item id:", QRect(72, 192, 62, 16));
    id = MakeLabel(sheet, "id", QString(), QRect(136, 192, 52, 16));
    MakeLabel(sheet, "indexLabel", "Item index", QRect(72, 208, 62, 16));
    index = MakeLabel(sheet, "index", QString(), QRect(136, 208, 52, 16));

    Label4 = MakeLabel(sheet, "Label4", QString(), QRect(200, 0, 425, 24));
    QFont title = Label4->font();
    title.setPointSize(13);
    title.setBold(true);
    title.setUnderline(true);
    Label4->setFont(title);
    QPalette red = Label4->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label4->setPalette(red);

    RadioGroup1 =
        new RadioGroup(sheet, "RadioGroup1", "Avalible for:", {"Archer", "Knight", "Mage", "All"}, 1);
    RadioGroup1->setGeometry(8, 256, 73, 121);
    RadioGroup1->layout()->setContentsMargins(4, 2, 4, 2); // room for "Archer" in the narrow group
    GroupBox1 = makeGroup(sheet, "GroupBox1", "Options", QRect(88, 256, 97, 121));
    const struct {
        const char* name;
        const char* caption;
        std::size_t field;
    } options[] = {{"CheckBox1", "Wear", kWear},
                   {"CheckBox3", "Use", kUse},
                   {"CheckBox4", "Plural", kPlural},
                   {"CheckBox5", "Pay", kPay}};
    int top = 22;
    for (const auto& option : options) {
        flags_.push_back(
            {makeCheck(GroupBox1, option.name, option.caption, QRect(10, top, 76, 20)), option.field});
        top += 24;
    }
}

void ItemPage::buildParameters(QWidget* sheet) {
    GroupBox2 = makeGroup(sheet, "GroupBox2", "Parametry", QRect(192, 24, 217, 81));
    for (QLineEdit* edit :
         {bindEdit(GroupBox2, "LabeledEdit1", "Grade", QRect(8, 44, 60, kEditHeight), kGrade),
          bindEdit(GroupBox2, "LabeledEdit7", "Level limit", QRect(76, 44, 60, kEditHeight), kLevelLimit),
          bindEdit(GroupBox2, "LabeledEdit9", "Endurance", QRect(144, 44, 64, kEditHeight), kEndurance)}) {
        LimitTyping(edit, 3);
    }

    GroupBox3 = makeGroup(sheet, "GroupBox3", "Shop", QRect(416, 24, 209, 81));
    Buy = bindEdit(GroupBox3, "Buy", "Buy", QRect(8, 44, 52, kEditHeight), kBuy);
    bindEdit(GroupBox3, "Sell", "Sell", QRect(64, 44, 52, kEditHeight), kSell);
    flags_.push_back({makeCheck(GroupBox3, "CheckBox2", "Avalible", QRect(120, 22, 86, 20)), kAvailable});
    CheckBox10 = makeCheck(GroupBox3, "CheckBox10", "Can't buy", QRect(120, 46, 86, 20));
}

void ItemPage::buildSpecials(QWidget* sheet) {
    QGroupBox* specials = makeGroup(sheet, "Specials", "Specials", QRect(192, 112, 433, 265));

    GroupBox4 = makeGroup(specials, "GroupBox4", "Statistic", QRect(8, 16, 105, 193));
    const struct {
        const char* name;
        const char* caption;
        std::size_t field;
    } statistics[] = {{"Str", "Str", kStr},         {"Hth", "Hth", kHth}, {"Wis", "Wis", kWis},
                      {"Dex", "Dex", kDex},         {"Hp", "Hp", kHp},    {"Mp", "Mp", kMp},
                      {"LabeledEdit2", "Int", kInt}};
    int top = 20;
    for (const auto& statistic : statistics) {
        bindEdit(GroupBox4, statistic.name, statistic.caption, QRect(36, top, 60, kEditHeight),
                 statistic.field, 24);
        top += 24;
    }

    GroupBox6 = makeGroup(specials, "GroupBox6", "Weapon", QRect(120, 16, 137, 193));
    const struct {
        const char* name;
        const char* caption;
        std::size_t field;
    } weapon[] = {{"LabeledEdit4", "Attack MAX", kAttackMax},
                  {"LabeledEdit5", "Attack MIN", kAttackMin},
                  {"LabeledEdit11", "Magic MAX", kMagicMax},
                  {"LabeledEdit12", "Magic MIN", kMagicMin},
                  {"LabeledEdit3", "Atack Speed", kAttackSpeed},
                  {"LabeledEdit13", "    Hit", kHit},
                  {"LabeledEdit8", "Range", kRange},
                  {"LabeledEdit10", "Max Protect", kMaxProtect}};
    top = 18;
    for (const auto& value : weapon) {
        bindEdit(GroupBox6, value.name, value.caption, QRect(78, top, 52, kEditHeight), value.field, 70);
        top += 21;
    }

    GroupBox5 = makeGroup(specials, "GroupBox5", "Armor", QRect(264, 16, 81, 193));
    bindEdit(GroupBox5, "LabeledEdit14", "Defense", QRect(8, 38, 65, kEditHeight), kDefense);
    bindEdit(GroupBox5, "LabeledEdit15", "Dodge", QRect(8, 82, 65, kEditHeight), kDodge);
    bindEdit(GroupBox5, "LabeledEdit16", "Absorb", QRect(8, 126, 65, kEditHeight), kAbsorb);

    GroupBox7 = makeGroup(specials, "GroupBox7", "Resitance", QRect(352, 16, 65, 233));
    const struct {
        const char* name;
        const char* caption;
        std::size_t field;
    } resistances[] = {{"LabeledEdit17", "Fire", kResistFire},
                       {"LabeledEdit18", "Ice", kResistIce},
                       {"LabeledEdit19", "Litning", kResistLightning},
                       {"LabeledEdit20", "Curse", kResistCurse},
                       {"LabeledEdit21", "Palsy", kResistPalsy}};
    top = 36;
    for (const auto& resistance : resistances) {
        bindEdit(GroupBox7, resistance.name, resistance.caption, QRect(8, top, 49, kEditHeight),
                 resistance.field);
        top += 39;
    }

    GroupBox8 = makeGroup(specials, "GroupBox8", "Force option", QRect(8, 216, 337, 41));
    CheckBox6 = makeCheck(GroupBox8, "CheckBox6", "Statistic", QRect(8, 17, 76, 20));
    CheckBox8 = makeCheck(GroupBox8, "CheckBox8", "Weapon", QRect(90, 17, 72, 20));
    CheckBox7 = makeCheck(GroupBox8, "CheckBox7", "Armor", QRect(168, 17, 64, 20));
    CheckBox9 = makeCheck(GroupBox8, "CheckBox9", "Resistance", QRect(238, 17, 92, 20));
    addForceOption(CheckBox6, GroupBox4);
    addForceOption(CheckBox8, GroupBox6);
    addForceOption(CheckBox7, GroupBox5);
    addForceOption(CheckBox9, GroupBox7);
}

QGroupBox* ItemPage::makeGroup(QWidget* parent, const QString& objectName, const QString& caption,
                               const QRect& geometry) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(objectName);
    group->setGeometry(geometry);
    return group;
}

QLineEdit* ItemPage::bindEdit(QWidget* parent, const QString& objectName, const QString& caption,
                              const QRect& geometry, std::size_t field, int labelWidth) {
    QLineEdit* edit = MakeLabeledEdit(parent, objectName, caption, geometry,
                                      labelWidth > 0 ? LabelSide::Left : LabelSide::Above, labelWidth);
    // Qt's default length limit would cut a longer value the page shows.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edits_.push_back({edit, field});
    return edit;
}

QCheckBox* ItemPage::makeCheck(QWidget* parent, const QString& objectName, const QString& caption,
                               const QRect& geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    return box;
}

void ItemPage::addForceOption(QCheckBox* box, QGroupBox* group) {
    forceOptions_.push_back({box, group});
    connect(box, &QCheckBox::toggled, group, &QGroupBox::setEnabled);
}

void ItemPage::setForceOption(QCheckBox* box, bool ticked) {
    box->setChecked(ticked);
    for (const ForceOption& option : forceOptions_) {
        if (option.box == box) {
            option.group->setEnabled(ticked);
        }
    }
}

void ItemPage::Button5Click() {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::OpenInitItem);
    if (!path) {
        return;
    }
    const InitItemLoad load = ReadInitItem(PathBytes(*path), workspace_.items, kItemFileBlockSize);
    workspace_.itemText = load.encoding;
    emit initItemRead(load.lastRow);
    shell_.PostStatus(QStringLiteral("InitItem Loaded!"));
    workspace_.InitItemLoaded = true;
    if (!workspace_.ItemNamesLoaded && shell_.Confirm(QStringLiteral("Do you want to load Items Name?"))) {
        ItemName1Click();
    }
    if (workspace_.InitItemLoaded && workspace_.ItemNamesLoaded) {
        ComboBox1->setEnabled(true);
    }
    WarnLoadNotes(shell_, *path, load.notes());
}

void ItemPage::ItemName1Click() {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::OpenItemsName);
    if (!path) {
        return;
    }
    const ItemNamesLoad load = ReadItemNames(PathBytes(*path), workspace_.itemNames, kItemFileBlockSize);
    workspace_.itemNameText = load.encoding;
    emit itemNamesRead(load.lastRow);
    shell_.PostStatus(QStringLiteral("Items Name Loaded!"));
    workspace_.ItemNamesLoaded = true;
    if (workspace_.InitItemLoaded) {
        ComboBox1->setEnabled(true);
    }
    WarnLoadNotes(shell_, *path, load.notes());
}

void ItemPage::ComboBox1Change(int classPosition) {
    if (classPosition < 0) {
        return;
    }
    {
        const QSignalBlocker blocker(ComboBox2);
        if (classPosition == kClassKnight && ComboBox2->count() == kTypesWithoutShield) {
            ComboBox2->addItem(kShieldCaption);
        }
        if (classPosition != kClassKnight && ComboBox2->count() == kTypesWithoutShield + 1) {
            const bool shieldChosen = ComboBox2->currentIndex() == kTypeShield;
            ComboBox2->removeItem(kTypeShield);
            if (shieldChosen) {
                ComboBox2->setCurrentIndex(-1);
            }
        }
        if (classPosition == kClassAll && ComboBox2->count() == kTypesWithoutShield) {
            ComboBox2->addItem(kShieldCaption);
        }
    }
    ComboBox2->setEnabled(true);
    resetDetailGroups();
    rebuildItemList();
}

void ItemPage::ComboBox2Change(int typePosition) {
    if (typePosition < 0) {
        return;
    }
    if (const std::optional<TypeFilter> filter = TypeFilterFor(typePosition, ComboBox1->currentIndex())) {
        filter_ = *filter;
    }
    resetDetailGroups();
    rebuildItemList();
    ComboBox3->setEnabled(true);
}

void ItemPage::resetDetailGroups() {
    for (QWidget* group :
         std::initializer_list<QWidget*>{RadioGroup1, GroupBox1, GroupBox2, GroupBox3, GroupBox4, GroupBox8,
                                         GroupBox6, GroupBox5, GroupBox7}) {
        group->setEnabled(false);
    }
    for (QCheckBox* box : {CheckBox6, CheckBox8, CheckBox7, CheckBox9}) {
        setForceOption(box, false);
    }
}

void ItemPage::rebuildItemList() {
    const std::vector<std::string> entries =
        BuildItemList(workspace_.items, workspace_.itemNames, FromQ(ComboBox1->currentText()), filter_);
    const QSignalBlocker blocker(ComboBox3);
    ComboBox3->clear();
    for (const std::string& entry : entries) {
        ComboBox3->addItem(ToQ(entry, workspace_.itemNameText));
    }
    ComboBox3->setCurrentIndex(-1);
}

void ItemPage::ComboBox3Change(int position) {
    if (position < 0) {
        return;
    }
    const std::optional<std::size_t> row =
        ItemRowForEntry(workspace_.items, workspace_.itemNames, static_cast<std::size_t>(position));
    if (!row) {
        return; // an entry without an item row leaves the page as it was
    }
    showItem(*row, ComboBox3->itemText(position));
}

void ItemPage::showItem(std::size_t row, const QString& title) {
    const QScopedValueRollback<bool> filling(filling_, true);
    const ItemTable::Row& item = workspace_.items[row];
    for (const BoundCheck& bound : flags_) {
        bound.box->setChecked(item[bound.field] == "1");
    }
    if (const std::optional<int> choice = ClassPosition(item[kClass])) {
        RadioGroup1->setItemIndex(*choice);
    } else {
        RadioGroup1->setItemIndex(-1);
    }
    const bool cannotBuy = item[kBuy] == "0";
    CheckBox10->setChecked(cannotBuy);
    Buy->setEnabled(!cannotBuy);
    for (const BoundEdit& bound : edits_) {
        bound.edit->setText(ToQ(item[bound.field], workspace_.itemText));
    }
    Label4->setText(title);
    id->setText(ToQ(item[kNameNumber], workspace_.itemText));
    index->setText(ToQ(item[item_field::kIndex], workspace_.itemText));

    for (QWidget* group : std::initializer_list<QWidget*>{RadioGroup1, GroupBox1, GroupBox2, GroupBox3,
                                                          GroupBox4, GroupBox8}) {
        group->setEnabled(true);
    }
    setForceOption(CheckBox6, true);
    if (ComboBox2->currentIndex() == kTypeWeapon) {
        setForceOption(CheckBox8, true);
    } else {
        setForceOption(CheckBox7, true);
        setForceOption(CheckBox9, true);
    }
}

void ItemPage::ItemFieldChange(std::size_t field, const QString& text) {
    if (filling_) {
        return;
    }
    if (ComboBox3->currentIndex() < 0) {
        shell_.ErrorMessage(QStringLiteral("Error!\r\nPlease choose Item!"));
        return;
    }
    const std::optional<std::size_t> row =
        FindItemRow(workspace_.items, FromQ(id->text(), workspace_.itemText));
    if (!row) {
        return;
    }
    workspace_.items[*row][field] = FromQ(text, workspace_.itemText);
    shell_.PostStatus(QStringLiteral("Saved!"));
}

void ItemPage::CheckBox10Click(bool checked) {
    if (filling_) {
        return;
    }
    if (ComboBox3->currentIndex() < 0) {
        {
            const QScopedValueRollback<bool> filling(filling_, true);
            CheckBox10->setChecked(!checked);
        }
        shell_.ErrorMessage(QStringLiteral("Error!\r\nPlease choose Item!"));
        return;
    }
    const std::optional<std::size_t> row =
        FindItemRow(workspace_.items, FromQ(id->text(), workspace_.itemText));
    if (!row) {
        const QScopedValueRollback<bool> filling(filling_, true);
        CheckBox10->setChecked(!checked);
        return;
    }
    Buy->setEnabled(!checked);
    ItemTable::Row& item = workspace_.items[*row];
    if (checked) {
        item[kSavedPrice] = FromQ(Buy->text(), workspace_.itemText);
        Buy->setText(QStringLiteral("0"));
    } else {
        Buy->setText(ToQ(item[kSavedPrice], workspace_.itemText));
    }
}
