#include "items/ItemPage.h"

#include "common/ChangeNames.h"
#include "common/ComboPicks.h"
#include "common/ControlBuilders.h"
#include "common/FileHistory.h"
#include "common/GuardedHandler.h"
#include "common/LoadWarnings.h"
#include "common/RadioGroup.h"
#include "common/Shell.h"
#include "common/TableChangeCommand.h"
#include "common/TextCodec.h"
#include "common/TypingLimit.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <limits>
#include <optional>

namespace {
const QStringList kTypeCaptions{"Helmet", "Armor", "Gloves", "Shorts", "Boots", "Weapon"};
const QString kShieldCaption = QStringLiteral("Shield");
constexpr int kTypesWithoutShield = 6;
constexpr int kEditHeight = 20;

void setTextQuietly(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}
} // namespace

ItemPage::ItemPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), editor_(workspace.items, workspace.itemNames,
                                             {workspace.itemText, workspace.itemNameText,
                                              workspace.InitItemLoaded, workspace.ItemNamesLoaded}),
      history_(shell.history(EditedTable::Items)) {
    buildLists(sheet);
    buildSummary(sheet);
    buildParameters(sheet);
    buildSpecials(sheet);

    auto* load = MakeControl<QPushButton>(sheet, "Button5", "Load InitItem", QRect(0, 424, 81, 17));
    connect(load, &QPushButton::clicked, this, Guarded(shell_, this, &ItemPage::loadInitItem));

    connectEdits();
    editor_.OnChanged([this](const ItemEditor::Change& change) { showChange(change); });
    KeepHistory(shell_, editor_, history_.stack(),
                [this](const ItemEditor::Change&) { return FieldEditName(changing_, title->text()); });
    resetDetailGroups();
}

void ItemPage::connectEdits() {
    const auto edit = [this](QWidget* control, auto change) {
        return Guarded(shell_, EditThrough(changing_, control, std::move(change)));
    };
    for (const BoundEdit& bound : edits_) {
        connect(
            bound.edit, &QLineEdit::textChanged, this,
            edit(bound.edit, [this, field = bound.field](const QString& text) { editField(field, text); }));
    }
    for (const BoundCheck& bound : flags_) {
        connect(bound.box, &QCheckBox::toggled, this,
                edit(bound.box, [this, field = bound.field](bool ticked) { toggleFlag(field, ticked); }));
    }
    connect(classChoice, &RadioGroup::itemIndexChanged, this,
            edit(classChoice, [this](int choice) { setItemClass(choice); }));
    connect(cannotBuyBox, &QCheckBox::toggled, this,
            edit(cannotBuyBox, [this](bool ticked) { toggleCannotBuy(ticked); }));
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
    classList = makeList("ComboBox1", "Class:", 40);
    classList->addItems({"archer", "Knight", "mage", "all"});
    classList->setCurrentIndex(-1);
    typeList = makeList("ComboBox2", "Type:", 88);
    typeList->addItems(kTypeCaptions);
    typeList->setCurrentIndex(-1);
    itemList = makeList("ComboBox3", "Item:", 136);
    itemList->setMaxVisibleItems(20);

    // A choice made again in the drop-down list runs its handler again, as does a change of
    // the chosen entry made any other way; one pick runs it once.
    for (const auto& [list, handler] :
         {std::pair{classList, &ItemPage::chooseClass}, std::pair{typeList, &ItemPage::chooseType},
          std::pair{itemList, &ItemPage::showItem}}) {
        connect(new ComboPicks(list), &ComboPicks::picked, this, Guarded(shell_, this, handler));
    }
}

void ItemPage::buildSummary(QWidget* sheet) {
    auto* picture = MakeLabel(sheet, "Image1", QString(), QRect(24, 192, 33, 33));
    picture->setFrameShape(QFrame::StyledPanel);
    MakeLabel(sheet, "idLabel", "Item id:", QRect(72, 192, 62, 16));
    idValue = MakeLabel(sheet, "id", QString(), QRect(136, 192, 52, 16));
    MakeLabel(sheet, "indexLabel", "Item index", QRect(72, 208, 62, 16));
    indexValue = MakeLabel(sheet, "index", QString(), QRect(136, 208, 52, 16));

    title = MakeLabel(sheet, "Label4", QString(), QRect(200, 0, 425, 24));
    QFont font = title->font();
    font.setPointSize(13);
    font.setBold(true);
    font.setUnderline(true);
    title->setFont(font);
    QPalette red = title->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    title->setPalette(red);

    classChoice =
        new RadioGroup(sheet, "RadioGroup1", "Avalible for:", {"Archer", "Knight", "Mage", "All"}, 1);
    classChoice->setGeometry(8, 256, 73, 121);
    classChoice->layout()->setContentsMargins(4, 2, 4, 2); // room for "Archer" in the narrow group
    optionsGroup = MakeControl<QGroupBox>(sheet, "GroupBox1", "Options", QRect(88, 256, 97, 121));
    const FieldPlace options[] = {{"CheckBox1", "Wear", ItemField::Wear},
                                  {"CheckBox3", "Use", ItemField::Use},
                                  {"CheckBox4", "Plural", ItemField::Plural},
                                  {"CheckBox5", "Pay", ItemField::Pay}};
    int top = 22;
    for (const FieldPlace& option : options) {
        bindCheck(optionsGroup, option, QRect(10, top, 76, 20));
        top += 24;
    }
}

void ItemPage::buildParameters(QWidget* sheet) {
    parametersGroup = MakeControl<QGroupBox>(sheet, "GroupBox2", "Parametry", QRect(192, 24, 217, 81));
    for (QLineEdit* edit : {bindEdit(parametersGroup, {"LabeledEdit1", "Grade", ItemField::Grade},
                                     QRect(8, 44, 60, kEditHeight)),
                            bindEdit(parametersGroup, {"LabeledEdit7", "Level limit", ItemField::LevelLimit},
                                     QRect(76, 44, 60, kEditHeight)),
                            bindEdit(parametersGroup, {"LabeledEdit9", "Endurance", ItemField::Endurance},
                                     QRect(144, 44, 64, kEditHeight))}) {
        LimitTyping(edit, 3);
    }

    shopGroup = MakeControl<QGroupBox>(sheet, "GroupBox3", "Shop", QRect(416, 24, 209, 81));
    buyEdit = bindEdit(shopGroup, {"Buy", "Buy", ItemField::Buy}, QRect(8, 44, 52, kEditHeight));
    bindEdit(shopGroup, {"Sell", "Sell", ItemField::Sell}, QRect(64, 44, 52, kEditHeight));
    bindCheck(shopGroup, {"CheckBox2", "Avalible", ItemField::Available}, QRect(120, 22, 86, 20));
    cannotBuyBox = MakeControl<QCheckBox>(shopGroup, "CheckBox10", "Can't buy", QRect(120, 46, 86, 20));
}

void ItemPage::buildSpecials(QWidget* sheet) {
    auto* specials = MakeControl<QGroupBox>(sheet, "Specials", "Specials", QRect(192, 112, 433, 265));

    statisticGroup = MakeControl<QGroupBox>(specials, "GroupBox4", "Statistic", QRect(8, 16, 105, 193));
    bindColumn(statisticGroup,
               {{"Str", "Str", ItemField::Str},
                {"Hth", "Hth", ItemField::Hth},
                {"Wis", "Wis", ItemField::Wis},
                {"Dex", "Dex", ItemField::Dex},
                {"Hp", "Hp", ItemField::Hp},
                {"Mp", "Mp", ItemField::Mp},
                {"LabeledEdit2", "Int", ItemField::Int}},
               QRect(36, 20, 60, kEditHeight), 24, 24);

    weaponGroup = MakeControl<QGroupBox>(specials, "GroupBox6", "Weapon", QRect(120, 16, 137, 193));
    bindColumn(weaponGroup,
               {{"LabeledEdit4", "Attack MAX", ItemField::AttackMax},
                {"LabeledEdit5", "Attack MIN", ItemField::AttackMin},
                {"LabeledEdit11", "Magic MAX", ItemField::MagicMax},
                {"LabeledEdit12", "Magic MIN", ItemField::MagicMin},
                {"LabeledEdit3", "Atack Speed", ItemField::AttackSpeed},
                {"LabeledEdit13", "    Hit", ItemField::Hit},
                {"LabeledEdit8", "Range", ItemField::Range},
                {"LabeledEdit10", "Max Protect", ItemField::MaxProtect}},
               QRect(78, 18, 52, kEditHeight), 21, 70);

    armourGroup = MakeControl<QGroupBox>(specials, "GroupBox5", "Armor", QRect(264, 16, 81, 193));
    bindColumn(armourGroup,
               {{"LabeledEdit14", "Defense", ItemField::Defense},
                {"LabeledEdit15", "Dodge", ItemField::Dodge},
                {"LabeledEdit16", "Absorb", ItemField::Absorb}},
               QRect(8, 38, 65, kEditHeight), 44);

    resistanceGroup = MakeControl<QGroupBox>(specials, "GroupBox7", "Resitance", QRect(352, 16, 65, 233));
    bindColumn(resistanceGroup,
               {{"LabeledEdit17", "Fire", ItemField::ResistFire},
                {"LabeledEdit18", "Ice", ItemField::ResistIce},
                {"LabeledEdit19", "Litning", ItemField::ResistLightning},
                {"LabeledEdit20", "Curse", ItemField::ResistCurse},
                {"LabeledEdit21", "Palsy", ItemField::ResistPalsy}},
               QRect(8, 36, 49, kEditHeight), 39);

    forceGroup = MakeControl<QGroupBox>(specials, "GroupBox8", "Force option", QRect(8, 216, 337, 41));
    forceStatistic =
        addForceOption(forceGroup, "CheckBox6", "Statistic", QRect(8, 17, 76, 20), statisticGroup);
    forceWeapon = addForceOption(forceGroup, "CheckBox8", "Weapon", QRect(90, 17, 72, 20), weaponGroup);
    forceArmour = addForceOption(forceGroup, "CheckBox7", "Armor", QRect(168, 17, 64, 20), armourGroup);
    forceResistance =
        addForceOption(forceGroup, "CheckBox9", "Resistance", QRect(238, 17, 92, 20), resistanceGroup);
}

QLineEdit* ItemPage::bindEdit(QWidget* parent, const FieldPlace& place, const QRect& geometry,
                              int labelWidth) {
    QLineEdit* edit = MakeLabeledEdit(parent, place.objectName, place.caption, geometry,
                                      labelWidth > 0 ? LabelSide::Left : LabelSide::Above, labelWidth);
    // Qt's default length limit would cut a longer value the page shows.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edits_.push_back({edit, place.field});
    return edit;
}

void ItemPage::bindColumn(QWidget* parent, std::initializer_list<FieldPlace> places, const QRect& first,
                          int step, int labelWidth) {
    QRect geometry = first;
    for (const FieldPlace& place : places) {
        bindEdit(parent, place, geometry, labelWidth);
        geometry.translate(0, step);
    }
}

QCheckBox* ItemPage::bindCheck(QWidget* parent, const FieldPlace& place, const QRect& geometry) {
    auto* box = MakeControl<QCheckBox>(parent, place.objectName, place.caption, geometry);
    flags_.push_back({box, place.field});
    return box;
}

QCheckBox* ItemPage::addForceOption(QWidget* parent, const char* objectName, const char* caption,
                                    const QRect& geometry, QGroupBox* group) {
    auto* box = MakeControl<QCheckBox>(parent, objectName, caption, geometry);
    forceOptions_.push_back({box, group});
    connect(box, &QCheckBox::toggled, group, &QGroupBox::setEnabled);
    return box;
}

void ItemPage::setForceOption(QCheckBox* box, bool ticked) {
    box->setChecked(ticked);
    for (const ForceOption& option : forceOptions_) {
        if (option.box == box) {
            option.group->setEnabled(ticked);
        }
    }
}

void ItemPage::loadInitItem() {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::OpenInitItem);
    if (!path) {
        return;
    }
    const ItemFileLoad load = editor_.LoadInitItem(PathBytes(*path));
    history_.Loaded(*path);
    emit initItemRead(load.lastRow);
    shell_.PostStatus(QStringLiteral("InitItem Loaded!"));
    if (editor_.NamesWanted() && shell_.Confirm(QStringLiteral("Do you want to load Items Name?"))) {
        loadItemNames();
    }
    finishLoad(*path, load);
}

void ItemPage::loadItemNames() {
    const std::optional<QString> path = shell_.chooseFile(FileDialog::OpenItemsName);
    if (!path) {
        return;
    }
    const ItemFileLoad load = editor_.LoadItemNames(PathBytes(*path));
    emit itemNamesRead(load.lastRow);
    shell_.PostStatus(QStringLiteral("Items Name Loaded!"));
    finishLoad(*path, load);
}

void ItemPage::finishLoad(const QString& path, const ItemFileLoad& load) {
    showNothingChosen();
    if (editor_.ClassListOpen()) {
        classList->setEnabled(true);
    }
    WarnLoadNotes(shell_, path, load.notes());
}

void ItemPage::chooseClass(int position) {
    editor_.ChooseClass(position);
    if (position < 0) {
        return;
    }
    showTypes();
    typeList->setEnabled(true);
    resetDetailGroups();
    showItemList();
}

void ItemPage::chooseType(int position) {
    editor_.ChooseType(position);
    if (position < 0) {
        return;
    }
    resetDetailGroups();
    showItemList();
    itemList->setEnabled(true);
}

void ItemPage::showTypes() {
    const QSignalBlocker blocker(typeList);
    const bool shieldShown = typeList->count() > kTypesWithoutShield;
    if (editor_.ShieldOffered() && !shieldShown) {
        typeList->addItem(kShieldCaption);
    }
    if (!editor_.ShieldOffered() && shieldShown) {
        typeList->removeItem(kTypeShield);
    }
    typeList->setCurrentIndex(editor_.chosenType());
}

void ItemPage::resetDetailGroups() {
    for (QWidget* group : std::initializer_list<QWidget*>{classChoice, optionsGroup, parametersGroup,
                                                          shopGroup, statisticGroup, forceGroup, weaponGroup,
                                                          armourGroup, resistanceGroup}) {
        group->setEnabled(false);
    }
    for (QCheckBox* box : {forceStatistic, forceWeapon, forceArmour, forceResistance}) {
        setForceOption(box, false);
    }
}

void ItemPage::showItemList() {
    const QSignalBlocker blocker(itemList);
    itemList->clear();
    for (const ItemListEntry& entry : editor_.entries()) {
        itemList->addItem(ToQ(entry.text, editor_.nameText()),
                          entry.nameRow ? QVariant::fromValue<qulonglong>(*entry.nameRow) : QVariant());
    }
    itemList->setCurrentIndex(-1);
}

FindTarget ItemPage::findTarget() const {
    return {itemList, editor_.FindEntries(), editor_.nameText()};
}

void ItemPage::showItem(int position) {
    if (position < 0) {
        editor_.DropEntry();
        return;
    }
    const QVariant nameRow = itemList->itemData(position);
    const std::optional<std::size_t> row = editor_.PickEntry(
        nameRow.isValid() ? std::optional<std::size_t>(nameRow.toULongLong()) : std::nullopt);
    if (row) {
        fillItem(editor_.item(*row), itemList->itemText(position));
    }
}

void ItemPage::showNothingChosen() {
    {
        const QSignalBlocker blocker(classList);
        classList->setCurrentIndex(-1);
    }
    showTypes();
    typeList->setEnabled(false);
    showItemList();
    itemList->setEnabled(false);
    showValues(ItemRow(), QString());
    resetDetailGroups();
}

void ItemPage::fillItem(const ItemRow& item, const QString& itemTitle) {
    showValues(item, itemTitle);
    for (QWidget* group : std::initializer_list<QWidget*>{classChoice, optionsGroup, parametersGroup,
                                                          shopGroup, statisticGroup, forceGroup}) {
        group->setEnabled(true);
    }
    setForceOption(forceStatistic, true);
    if (editor_.chosenType() == kTypeWeapon) {
        setForceOption(forceWeapon, true);
    } else {
        setForceOption(forceArmour, true);
        setForceOption(forceResistance, true);
    }
}

void ItemPage::showValues(const ItemRow& item, const QString& itemTitle) {
    for (const BoundEdit& bound : edits_) {
        showField(bound.field, item[bound.field]);
    }
    for (const BoundCheck& bound : flags_) {
        showField(bound.field, item[bound.field]);
    }
    showField(ItemField::Class, item[ItemField::Class]);
    showCannotBuy(item);
    title->setText(itemTitle);
    idValue->setText(ToQ(item[ItemField::NameNumber], editor_.itemText()));
    indexValue->setText(ToQ(item[ItemField::Index], editor_.itemText()));
}

void ItemPage::showCannotBuy(const ItemRow& item) {
    const bool cannotBuy = item[ItemField::Buy] == "0";
    {
        const QSignalBlocker blocker(cannotBuyBox);
        cannotBuyBox->setChecked(cannotBuy);
    }
    buyEdit->setEnabled(!cannotBuy);
}

void ItemPage::showField(ItemField field, const std::string& value) {
    for (const BoundEdit& bound : edits_) {
        if (bound.field == field) {
            setTextQuietly(bound.edit, ToQ(value, editor_.itemText()));
        }
    }
    for (const BoundCheck& bound : flags_) {
        if (bound.field == field) {
            const QSignalBlocker blocker(bound.box);
            bound.box->setChecked(value == "1");
        }
    }
    if (field == ItemField::Class) {
        const QSignalBlocker blocker(classChoice);
        classChoice->setItemIndex(ClassPosition(value).value_or(-1));
    }
}

void ItemPage::showChange(const ItemEditor::Change& change) {
    const std::optional<std::size_t> shown = editor_.ShownRow();
    for (const auto& edit : change.edits) {
        if (edit.position == shown) {
            const auto field = static_cast<ItemField>(edit.field);
            showField(field, editor_.item(edit.position)[field]);
            // A price taken back or made again shows "Can't buy" as a click on the item would;
            // while the price is typed, the field stays open.
            if (field == ItemField::Buy && changing_ == nullptr) {
                showCannotBuy(editor_.item(edit.position));
            }
        }
    }
}

bool ItemPage::mayEdit() {
    const ItemEditor::EditState state = editor_.editState();
    if (state == ItemEditor::EditState::NoEntryChosen) {
        shell_.ErrorMessage(QStringLiteral("Error!\r\nPlease choose Item!"));
    }
    return state == ItemEditor::EditState::Ready;
}

void ItemPage::editField(ItemField field, const QString& text) {
    if (mayEdit()) {
        editor_.EditField(field, FromQ(text, editor_.itemText()));
        shell_.PostStatus(QStringLiteral("Saved!"));
    }
}

void ItemPage::toggleFlag(ItemField field, bool ticked) {
    if (mayEdit()) {
        editor_.SetFlag(field, ticked);
        shell_.PostStatus(QStringLiteral("Saved!"));
    }
}

void ItemPage::setItemClass(int choice) {
    if (mayEdit()) {
        editor_.SetClass(choice);
        shell_.PostStatus(QStringLiteral("Saved!"));
    }
}

void ItemPage::toggleCannotBuy(bool ticked) {
    if (editor_.editState() != ItemEditor::EditState::Ready) {
        const QSignalBlocker blocker(cannotBuyBox);
        cannotBuyBox->setChecked(!ticked);
    }
    if (!mayEdit()) {
        return;
    }
    buyEdit->setEnabled(!ticked);
    if (editor_.SetCannotBuy(ticked)) {
        shell_.PostStatus(QStringLiteral("Saved!"));
    }
}
