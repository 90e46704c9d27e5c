#pragma once

#include "spawns/SpawnTable.h"

#include <QObject>
#include <array>

#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QWidget;
class RadioGroup;
class TForm1;

// The "Monsters" sub-page of the "Map" page: the spawns of GenMonster.txt by
// monster and area, one spawn's fields in world units, and the buttons that
// load, extend, show and save the spawns. Every edit goes straight into the table.
class SpawnPage : public QObject {
    Q_OBJECT

  public:
    SpawnPage(TForm1& form, QWidget* sheet);
    ~SpawnPage() override;

    SpawnTable& spawns() { return *spawns_; }

    void GenMonster1Click();
    bool LoadGenMonster();
    void BuildSpawnMonsterList();
    void ListBox3Click();
    void ListBox4Click();
    void RadioGroup4Click();
    void SpinEditChange();
    void CheckBox13Click();
    void mapaClick();
    void ansClick();
    void SGMClick();

  private:
    void build(QWidget* sheet);
    // The record of the area list's current item.
    std::optional<std::size_t> shownSpawn() const;

    TForm1& form_;
    std::unique_ptr<SpawnTable> spawns_;
    bool spawnFieldsLoading_ = false;

    QListWidget* ListBox3 = nullptr;
    QListWidget* ListBox4 = nullptr;
    QLabel* Label35 = nullptr;
    QSpinBox* SpinEdit12 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    std::array<QSpinBox*, 4> corners_{};    // SpinEdit8 to SpinEdit11: x1, y1, x2, y2 in world units
    std::array<QLabel*, 4> cornerLabels_{}; // Label20 to Label23: the same in map units, as shown
};
