// The page operations at the tables of a large server, timed in the real
// widgets. The figures are printed. An optimised build must do each within
// one frame (16 ms); the debug build within the 100 ms at which an action
// stops feeling instant; the sanitizer build, several times slower, is not held.

#include "ServerSizeData.h"

#include "items/InitItemReader.h"
#include "items/ItemList.h"
#include "items/ItemNamesReader.h"
#include "items/ItemPage.h"
#include "maps/MapImageStore.h"
#include "maps/MarkerShape.h"
#include "monsters/MonsterPage.h"
#include "monsters/MonsterSlots.h"
#include "portals/EtcReader.h"
#include "portals/PortalPage.h"
#include "spawns/SpawnPage.h"
#include "support/AppFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
#ifdef NDEBUG
constexpr double kBoundMs = 16.0;
#else
constexpr double kBoundMs = 100.0;
#endif
constexpr int kRuns = 3;

struct Operation {
    const char* name;
    std::function<void()> prepare; // brings the page to the same state before every run; not timed
    std::function<void()> act;
};

// Makes the tab pages holding `widget` the current ones, so that it paints.
void bringToFront(QWidget* widget) {
    for (QWidget* child = widget; child->parentWidget() != nullptr; child = child->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget())) {
            stack->setCurrentWidget(child);
        }
    }
}

// The median time of the runs in milliseconds, events (painting included) processed in each.
double medianMs(const Operation& operation) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        operation.prepare();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        operation.act();
        QCoreApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

class PageTimingTest : public AppFixture {
  protected:
    PageTimingTest() {
        MapImageStore::SetProgramFolder(QStringLiteral(BRENNICK_EXAMPLES "/pictures"));
        AppState& state = form1->state();
        state.monsters = *server_size::Monsters();
        state.monsterNames = *server_size::MonsterNames();
        state.NamesLoaded = true;
        form1->spawnPage().spawns() = *server_size::Spawns();
        state.GenMonsterLoaded = true;
        ItemPage& items = form1->itemPage();
        ParseInitItem(server_size::InitItemBytes(), items.items());
        ParseItemNames(server_size::ItemNameBytes(), items.names());
        state.InitItemLoaded = true;
        state.ItemNamesLoaded = true;
        PortalPage& portals = form1->portalPage();
        EtcOtherRecords others;
        ReadEtc(server_size::EtcBytes(*server_size::Gotos(), *server_size::Portals()), portals.portals(),
                portals.gotos(), others);
        form1->show();
    }

    ~PageTimingTest() override { MapImageStore::SetProgramFolder(QString()); }

    void clearSpawnListPositions() {
        SpawnTable& spawns = form1->spawnPage().spawns();
        for (std::size_t position = 0; position < spawns.size(); ++position) {
            spawns[position][kListPosition].clear();
        }
    }

    // The spawn page listing monster 1, whose first 500 areas are selected.
    void selectManyAreas() {
        bringToFront(control<QListWidget>("ListBox3"));
        clearSpawnListPositions();
        form1->spawnPage().BuildSpawnMonsterList();
        auto* monsters = control<QListWidget>("ListBox3");
        {
            const QSignalBlocker blocker(monsters);
            monsters->setCurrentRow(0);
        }
        form1->spawnPage().ListBox3Click();
        auto* areas = control<QListWidget>("ListBox4");
        const QSignalBlocker blocker(areas);
        areas->setCurrentRow(0);
        for (int row = 0; row < static_cast<int>(server_size::kManyAreas); ++row) {
            areas->item(row)->setSelected(true);
        }
    }

    // The viewer without any area marker, as before the first "Show area".
    void removeAreaMarkers() {
        for (MarkerShape* shape : form3->findChildren<MarkerShape*>()) {
            if (shape->objectName().startsWith(QStringLiteral("area"))) {
                delete shape;
            }
        }
    }
};

TEST_F(PageTimingTest, EveryOperationOnALargeServersTablesFeelsInstant) {
    MonsterPage& monsters = form1->monsterPage();
    SpawnPage& spawns = form1->spawnPage();
    ItemPage& items = form1->itemPage();
    auto* monsterList = control<QListWidget>("ListBox2");
    auto* itemList = control<QComboBox>("ComboBox3");
    int selectedMonster = 0;
    int selectedItem = 0;

    const auto monsterPage = [&] { bringToFront(monsterList); };
    const auto allWeapons = [&] {
        bringToFront(itemList);
        const QSignalBlocker classes(control<QComboBox>("ComboBox1"));
        const QSignalBlocker types(control<QComboBox>("ComboBox2"));
        control<QComboBox>("ComboBox1")->setCurrentIndex(kClassAll);
        control<QComboBox>("ComboBox2")->setCurrentIndex(kTypeWeapon);
    };
    const std::vector<Operation> operations{
        {"monster list refresh (Button8Click)", monsterPage, [&] { monsters.Button8Click(); }},
        {"select a monster (ListBox2Click)", monsterPage,
         [&] {
             monsterList->setCurrentRow(selectedMonster = (selectedMonster + 167) %
                                                          static_cast<int>(server_size::kMonsters));
         }},
        {"global experience change (Button7Click)",
         [&] {
             monsterPage();
             // Names used on other pages too: looked up on the monster page.
             monsterList->parentWidget()->findChild<QRadioButton*>("RadioButton1")->setChecked(true);
             monsterList->parentWidget()->findChild<QSpinBox*>("SpinEdit5")->setValue(1);
         },
         [&] { monsters.Button7Click(); }},
        {"BuildSpawnMonsterList, 3600 spawns",
         [&] {
             bringToFront(control<QListWidget>("ListBox3"));
             clearSpawnListPositions();
         },
         [&] { spawns.BuildSpawnMonsterList(); }},
        {"monster with 500 areas (ListBox3Click)", [&] { selectManyAreas(); },
         [&] { spawns.ListBox3Click(); }},
        {"Show area, 500 areas (mapaClick)",
         [&] {
             selectManyAreas();
             removeAreaMarkers();
         },
         [&] { spawns.mapaClick(); }},
        {"item list over 4000 rows (ComboBox2Change)", allWeapons,
         [&] { items.ComboBox2Change(kTypeWeapon); }},
        {"select an item (ComboBox3Change)",
         [&] {
             allWeapons();
             items.ComboBox2Change(kTypeWeapon);
         },
         [&] { items.ComboBox3Change(selectedItem = (selectedItem + 131) % itemList->count()); }},
        {"portal list (ListPortals)", [&] { bringToFront(control<QListWidget>("ListBox5")); },
         [&] { form1->portalPage().ListPortals(); }},
    };

    std::printf("%-44s %10s\n", "page operation, large tables", "time (ms)");
    for (const Operation& operation : operations) {
        const double ms = medianMs(operation);
        std::printf("%-44s %10.2f\n", operation.name, ms);
#ifndef BRENNICK_SANITIZED
        EXPECT_LE(ms, kBoundMs) << operation.name;
#endif
    }
    std::fflush(stdout);

    // The operations did their work at full size.
    EXPECT_EQ(monsterList->count(), static_cast<int>(server_size::kMonsters));
    EXPECT_EQ(form1->state().monsters[0][MonsterSlot::Exp], "103"); // 100, plus 1 in each of the 3 runs
    EXPECT_EQ(control<QListWidget>("ListBox3")->count(), static_cast<int>(server_size::kMonsterNames));
    EXPECT_EQ(control<QListWidget>("ListBox4")->count(), static_cast<int>(server_size::kManyAreas));
    EXPECT_EQ(form3->findChildren<MarkerShape*>().size(), server_size::kManyAreas + 1);
    EXPECT_GE(itemList->count(), 2000);
    EXPECT_EQ(control<QListWidget>("ListBox5")->count(), static_cast<int>(server_size::kPortals));
}
} // namespace
