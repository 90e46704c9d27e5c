#pragma once

#include "common/FindTarget.h"
#include "spawns/SpawnControls.h"
#include "spawns/SpawnEditor.h"

#include <QObject>

#include <cstddef>
#include <string>
#include <vector>

class FileHistory;
class QCheckBox;
class QLabel;
class QListWidget;
class QWidget;
class Shell;
struct Workspace;

// The "Monsters" sub-page of the "Map" page: the spawns of GenMonster.txt by
// monster and area, one spawn's fields in world units, and the buttons that
// load, extend, show and save the spawns. It shows what its editor holds and
// hands every edit to it. Its changes, and the add-spawn dialog's, are steps
// of the GenMonster history.
class SpawnPage : public QObject, private SpawnFieldsView {
    Q_OBJECT

  public:
    SpawnPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    // The editor the add-spawn dialog adds through.
    SpawnEditor& editor() { return editor_; }

    // The unsaved changes of the table are saved or dropped first.
    void loadGenMonster();
    void refreshMonsterList();
    void showMonsterAreas();
    void showClickedArea();
    void applyTypeOfSpawn();
    // Each stores what `field` (or "Avalible") shows, with the other fields of the spawn.
    void editValues(QWidget* field);
    void editCorners(QWidget* field);
    void editAvailable();
    void showSelectedAreas();
    void openAddSpawnDialog();
    // False when its dialog was cancelled.
    bool saveGenMonster();
    // For find, the list of the two that last had the focus, the monster list when neither had.
    FindTarget findTarget() const;

    // A spawn added at `position`: the lists are built again as after a
    // load, with its monster and area chosen and its fields shown.
    void showAddedSpawn(std::size_t position);

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
    // Shows what a change the page did not make itself changed: an added
    // spawn, or a value of the spawn shown.
    void followChange(const SpawnEditor::Change& change);
    QString changeName(const SpawnEditor::Change& change) const;
    void showMonsterList();
    void showAreas();
    void showSpawn(std::size_t spawn);
    // The fields as at start-up, after a load or a new monster list.
    void showNoSpawn();

    void ShowAvailable(bool available) override;
    void ShowMonsterName(const std::string& name) override;
    void ShowNumber(SpawnField field, std::optional<std::int32_t> value) override;
    void ShowTypeOfSpawn(bool point) override;
    void ShowCornerTexts(const std::array<std::string, 4>& corners) override;

    Shell& shell_;
    Workspace& workspace_;
    SpawnEditor editor_;
    FileHistory& history_;
    // The control whose change the page is handing to the editor; its fields show it already.
    QWidget* changing_ = nullptr;

    QListWidget* monsterList_ = nullptr;
    QListWidget* areaList_ = nullptr;
    QListWidget* focusedList_ = nullptr;
    QLabel* monsterName_ = nullptr;
    QCheckBox* available_ = nullptr;
    SpawnControls fields_;
};
