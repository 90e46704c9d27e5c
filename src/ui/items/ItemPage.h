#pragma once

#include "common/FindTarget.h"
#include "items/ItemEditor.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class FileHistory;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRect;
class QWidget;
class RadioGroup;
class Shell;
struct Workspace;

// The "Item" page: a view of its ItemEditor. It loads InitItem.txt and the
// item names, lists the items of a class and type, shows the chosen one and
// hands every change of a control to the editor, which stores it into the
// item's row at once; what the editor changes, the page shows. Its changes
// are steps of the item history, which a load of InitItem.txt starts anew.
class ItemPage : public QObject {
    Q_OBJECT

  public:
    ItemPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    // "Load InitItem", offering the names when they are not loaded yet.
    void loadInitItem();
    // "Load" > "ItemName".
    void loadItemNames();
    void chooseClass(int position);
    void chooseType(int position);
    // Shows the item of the item list's entry at `position`.
    void showItem(int position);
    // Each stores one control's value into its field of the shown item's row.
    void editField(ItemField field, const QString& text);
    void toggleFlag(ItemField field, bool ticked);
    // The choice of "Avalible for:", the item's class.
    void setItemClass(int choice);
    void toggleCannotBuy(bool ticked);
    // The item list, for find.
    FindTarget findTarget() const;

  signals:
    // The row the reader stood on after the last byte of InitItem.txt or of the names file.
    void initItemRead(std::int64_t lastRow);
    void itemNamesRead(std::int64_t lastRow);

  private:
    struct BoundEdit {
        QLineEdit* edit;
        ItemField field;
    };
    struct BoundCheck {
        QCheckBox* box;
        ItemField field;
    };
    struct ForceOption {
        QCheckBox* box;
        QGroupBox* group;
    };
    // An edit of a field, placed by the column it stands in.
    struct FieldPlace {
        const char* objectName;
        const char* caption;
        ItemField field;
    };

    void buildLists(QWidget* sheet);
    void buildSummary(QWidget* sheet);
    void buildParameters(QWidget* sheet);
    void buildSpecials(QWidget* sheet);
    void connectEdits();
    QLineEdit* bindEdit(QWidget* parent, const FieldPlace& place, const QRect& geometry, int labelWidth = 0);
    // Edits one under another, the first at `first`, each `step` below the one before.
    void bindColumn(QWidget* parent, std::initializer_list<FieldPlace> places, const QRect& first, int step,
                    int labelWidth = 0);
    QCheckBox* bindCheck(QWidget* parent, const FieldPlace& place, const QRect& geometry);
    QCheckBox* addForceOption(QWidget* parent, const char* objectName, const char* caption,
                              const QRect& geometry, QGroupBox* group);
    void setForceOption(QCheckBox* box, bool ticked);

    void finishLoad(const QString& path, const ItemFileLoad& load);
    void showTypes();
    void showItemList();
    void resetDetailGroups();
    // After a load: the lists and fields as at start-up, nothing chosen or shown.
    void showNothingChosen();
    void fillItem(const ItemRow& item, const QString& itemTitle);
    // The item's values and title in the fields, without enabling them.
    void showValues(const ItemRow& item, const QString& itemTitle);
    void showCannotBuy(const ItemRow& item);
    void showField(ItemField field, const std::string& value);
    void showChange(const ItemEditor::Change& change);
    // Whether a change can go to the shown item; when no entry is chosen, the operator is told.
    bool mayEdit();

    Shell& shell_;
    ItemEditor editor_;
    FileHistory& history_;
    // The control whose change is being handed to the editor.
    QWidget* changing_ = nullptr;

    QComboBox* classList = nullptr;
    QComboBox* typeList = nullptr;
    QComboBox* itemList = nullptr;
    QLabel* title = nullptr;
    QLabel* idValue = nullptr;
    QLabel* indexValue = nullptr;
    RadioGroup* classChoice = nullptr;
    QGroupBox* optionsGroup = nullptr;
    QGroupBox* parametersGroup = nullptr;
    QGroupBox* shopGroup = nullptr;
    QGroupBox* statisticGroup = nullptr;
    QGroupBox* armourGroup = nullptr;
    QGroupBox* weaponGroup = nullptr;
    QGroupBox* resistanceGroup = nullptr;
    QGroupBox* forceGroup = nullptr;
    QLineEdit* buyEdit = nullptr;
    QCheckBox* forceStatistic = nullptr;
    QCheckBox* forceArmour = nullptr;
    QCheckBox* forceWeapon = nullptr;
    QCheckBox* forceResistance = nullptr;
    QCheckBox* cannotBuyBox = nullptr;
    std::vector<BoundEdit> edits_;
    std::vector<BoundCheck> flags_;
    std::vector<ForceOption> forceOptions_;
};
