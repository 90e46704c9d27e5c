#pragma once

#include "spawns/SpawnTable.h"

#include <QObject>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;
class RadioGroup;
class Shell;
class SpinEdit;
struct Workspace;
enum class EditedField;

// The "Monsters" sub-page of the "Map" page: the spawns of GenMonster.txt by
// monster and area, one spawn's fields in world units, and the buttons that
// load, extend, show and save the spawns. Every edit goes straight into the table.
class SpawnPage : public QObject {
    Q_OBJECT

  public:
    SpawnPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    void GenMonster1Click();
    bool LoadGenMonster();
    void BuildSpawnMonsterList();
    void ListBox3Click();
    void ListBox4Click();
    void RadioGroup4Click();
    void SpinEditChange(EditedField edited);
    void CheckBox13Click();
    void mapaClick();
    void ansClick();
    void SGMClick();

    // A spawn the add-spawn dialog stored at `position`: the lists are built
    // again as after a load, with its monster and area chosen and its fields shown.
    void ShowAddedSpawn(std::size_t position);

  signals:
    // A GenMonster load wants the monster names loaded; `finished` is set when
    // their load ran to its end, which lets this load go on.
    void monsterNamesWanted(bool& finished);
    // "Show area": the selected areas, in list order, for the area viewer.
    void areasToShow(const std::vector<std::string>& areas);
    // "Add new spawn" with both files loaded.
    void addSpawnWanted();

  private:
    void build(QWidget* sheet);
    // The record of the area list's current item.
    std::optional<std::size_t> shownSpawn() const;
    // Fills the fields in order, each value read as it is put in, so that a
    // value that is not a number leaves the fields before it filled.
    void showSpawn(const SpawnRecord& record);
    // The save while "Keep comments and layout" is ticked and a file was read.
    void SaveKeepingLayout();

    Shell& shell_;
    Workspace& workspace_;
    // Set while a spawn is put into the fields. Not restored by a scope: a
    // show that fails leaves it set, and no edit is stored until a spawn
    // shows whole.
    bool spawnFieldsLoading_ = false;

    QListWidget* ListBox3 = nullptr;
    QListWidget* ListBox4 = nullptr;
    QLabel* Label35 = nullptr;
    SpinEdit* SpinEdit12 = nullptr;
    SpinEdit* SpinEdit6 = nullptr;
    SpinEdit* SpinEdit7 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    std::array<SpinEdit*, 4> corners_{};    // SpinEdit8 to SpinEdit11: x1, y1, x2, y2 in world units
    std::array<QLabel*, 4> cornerLabels_{}; // Label20 to Label23: the same in map units, as shown
};
