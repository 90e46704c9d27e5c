#pragma once

#include "common/FindTarget.h"
#include "monsters/MonsterEditor.h"

#include <QObject>
#include <QRect>

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class FileHistory;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QString;
class QWidget;
class RadioGroup;
class Shell;
struct Workspace;
enum class FileDialog;

// The "Monster" page: the monster list, the fields of the selected monster,
// the global experience change, and loading and saving InitMonster.txt and
// the monster names. It shows what its MonsterEditor holds, hands every edit
// to it, and shows again what a change of the selected monster changed. Its
// changes are steps of the InitMonster history.
class MonsterPage : public QObject {
    Q_OBJECT

  public:
    MonsterPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    // "Load InitMonster", then the names or the list as the load asks; the
    // unsaved changes of the table are saved or dropped first.
    void loadInitMonster();
    // "Load" > "MonsterName", also asked for after a monster or spawn load.
    void loadMonsterNames();
    // "Refresh list".
    void refreshMonsterList();
    // A click on the list: fills the fields from the monster clicked.
    void showSelectedMonster();
    // "Change" of "Global Exp Change".
    void changeExperienceForAll();
    // "Save InitMonster"; false when its dialog was cancelled.
    bool saveInitMonster();
    // The monster list, for find.
    FindTarget findTarget() const;

  private:
    struct TextField {
        QLineEdit* edit;
        MonsterSlot slot;
    };
    struct NumberField {
        QSpinBox* spin;
        MonsterSlot slot;
    };
    struct TextFieldSpec {
        const char* objectName;
        const char* caption;
        MonsterSlot slot;
    };
    using FileRead = MonsterFileRead (MonsterEditor::*)(const std::string& path);

    void buildControls(QWidget* sheet);
    void buildBasic(QWidget* monster);
    void buildStatistic(QWidget* monster);
    void buildAttackDefence(QWidget* monster);
    void buildItemGroup(QWidget* monster);
    void buildListAndButtons(QWidget* sheet);
    void buildExpChange(QWidget* sheet);
    void addTextField(QWidget* parent, const QString& objectName, const QString& caption, MonsterSlot slot,
                      const QRect& geometry, int labelWidth);
    // The fields one below the other, the first at `geometry`.
    void addTextColumn(QWidget* parent, std::initializer_list<TextFieldSpec> fields, QRect geometry,
                       int labelWidth);
    void connectHandlers();

    // A successful read of a file that replaces the monsters starts `replaced` anew.
    void loadFile(FileDialog dialog, FileRead read, const QString& loaded, const QString& notLoaded,
                  FileHistory* replaced = nullptr);
    void showMonsterList();
    // The fields of the selected monster; empty, as at start-up, while none is selected.
    void showMonster();
    void showField(const TextField& field);
    void showField(const NumberField& field);
    void showSlot(MonsterSlot slot);
    void showChange(const MonsterEditor::Change& change);
    QString changeName(const MonsterEditor::Change& change) const;
    ExpOperation chosenOperation() const;
    void fillWriterLines();
    bool saveToChosenFile(const std::function<std::string()>& bytes);

    Shell& shell_;
    Workspace& workspace_;
    MonsterEditor editor_;
    FileHistory& history_;
    // The control whose change is being handed to the editor.
    QWidget* changing_ = nullptr;

    QListWidget* monsterList = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* indexLabel = nullptr;
    QCheckBox* availableBox = nullptr;
    QCheckBox* rangeAttackBox = nullptr;
    RadioGroup* raceGroup = nullptr;
    RadioGroup* aggressiveGroup = nullptr;
    std::vector<TextField> textFields_;
    std::vector<NumberField> itemGroupFields_;

    QPushButton* loadButton = nullptr;
    QPushButton* refreshButton = nullptr;
    QPushButton* saveButton = nullptr;
    std::array<QRadioButton*, 4> expOperationButtons{}; // "+", "-", "x", "/"
    QSpinBox* expAmountSpin = nullptr;
    QPushButton* expChangeButton = nullptr;
    QProgressBar* saveProgress = nullptr;
    QLabel* savingLabel = nullptr;
};
