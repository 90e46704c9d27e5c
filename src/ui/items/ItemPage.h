#pragma once

#include "items/ItemListBuilder.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class RadioGroup;
class Shell;
struct Workspace;

// The "Item" page: loads InitItem.txt and the item names, lists the items of
// a class and type, shows the chosen one and stores every change of a field
// into its row at once. Items live in memory only; nothing writes them to a file.
class ItemPage : public QObject {
    Q_OBJECT

  public:
    ItemPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    void Button5Click();
    void ItemName1Click();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);
    void ComboBox3Change(int index);
    // Stores the new text of one bound control (an edit, a flag box, the class
    // choice) into its field of the shown item's row; the other fields keep their bytes.
    void ItemFieldChange(std::size_t field, const QString& text);
    void CheckBox10Click(bool checked);

  signals:
    // The row the reader stood on after the last byte of InitItem.txt or of the names file.
    void initItemRead(std::int64_t lastRow);
    void itemNamesRead(std::int64_t lastRow);

  private:
    struct BoundEdit {
        QLineEdit* edit;
        std::size_t field;
    };
    struct BoundCheck {
        QCheckBox* box;
        std::size_t field;
    };
    struct ForceOption {
        QCheckBox* box;
        QGroupBox* group;
    };

    void buildLists(QWidget* sheet);
    void buildSummary(QWidget* sheet);
    void buildParameters(QWidget* sheet);
    void buildSpecials(QWidget* sheet);
    void connectWriteBacks();
    QGroupBox* makeGroup(QWidget* parent, const QString& objectName, const QString& caption,
                         const QRect& geometry);
    QLineEdit* bindEdit(QWidget* parent, const QString& objectName, const QString& caption,
                        const QRect& geometry, std::size_t field, int labelWidth = 0);
    QCheckBox* makeCheck(QWidget* parent, const QString& objectName, const QString& caption,
                         const QRect& geometry);
    void addForceOption(QCheckBox* box, QGroupBox* group);
    void setForceOption(QCheckBox* box, bool ticked);

    void resetDetailGroups();
    void rebuildItemList();
    void showItem(std::size_t row, const QString& title);

    Shell& shell_;
    Workspace& workspace_;
    TypeFilter filter_{std::string(), 0};
    bool filling_ = false;

    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* id = nullptr;
    QLabel* index = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QGroupBox* GroupBox7 = nullptr;
    QGroupBox* GroupBox8 = nullptr;
    QLineEdit* Buy = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    std::vector<BoundEdit> edits_;
    std::vector<BoundCheck> flags_;
    std::vector<ForceOption> forceOptions_;
};
