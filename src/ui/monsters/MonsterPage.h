#pragma once

#include <QObject>

#include <cstddef>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QRect;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class RadioGroup;
class Shell;
struct Workspace;

// The "Monster" page: the monster list, the fields of the selected monster
// (every edit goes straight into its record), the global experience change,
// and loading and saving InitMonster.txt and the monster names.
class MonsterPage : public QObject {
    Q_OBJECT

  public:
    MonsterPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    // "Load InitMonster".
    void InitMonster1Click();
    bool ReadInitMonster();
    // "Load" > "MonsterName", also run after a load when names are wanted.
    void MonsterName1Click();
    bool ReadMonsterNames();

    // "Refresh list": one item per record, from position 0 while `index` is set.
    void Button8Click();
    // Fills the fields from the selected record without writing into it.
    void ListBox2Click();

    // Change handlers: each stores its control's value into the selected record.
    void CheckBox15Click();
    void CheckBox11Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void LabeledEditChange(std::size_t slot, const QString& text);
    void SpinEditChange(std::size_t slot, int value);

    // "Change" of "Global Exp Change".
    void Button7Click();
    // "Save InitMonster".
    void InitMonster2Click();

  private:
    struct SlotEdit {
        QLineEdit* edit;
        std::size_t slot;
    };
    struct SlotSpin {
        QSpinBox* spin;
        std::size_t slot;
    };

    void buildControls(QWidget* sheet);
    void buildBasic(QWidget* monster);
    void buildStatistic(QWidget* monster);
    void buildAttackDefence(QWidget* monster);
    void buildItemGroup(QWidget* monster);
    void buildListAndButtons(QWidget* sheet);
    void buildExpChange(QWidget* sheet);
    QLineEdit* addEdit(QWidget* parent, const QString& objectName, const QString& caption, std::size_t slot,
                       const QRect& geometry, int labelWidth);
    void connectHandlers();

    // Stores into the selected record, unless the page is being filled or no
    // monster is selected.
    void store(std::size_t slot, std::string value);
    // The save while "Keep comments and layout" is ticked and a file was read.
    void SaveKeepingLayout();

    Shell& shell_;
    Workspace& workspace_;
    bool filling_ = false;

    QListWidget* ListBox2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* CheckBox15 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    std::vector<SlotEdit> edits_;
    std::vector<SlotSpin> spins_;

    QPushButton* Button2 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QLabel* Label11 = nullptr;
};
