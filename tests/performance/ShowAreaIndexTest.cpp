// "Show area" finds records and markers through indexes built once per
// press: these hold it to what a search per area gave.

#include "ServerSizeData.h"

#include "maps/MapImageStore.h"
#include "maps/MarkerShape.h"
#include "maps/PictureBox.h"
#include "spawns/SpawnPage.h"
#include "support/AppFixture.h"

#include <QListWidget>
#include <QScrollArea>

namespace {
class ShowAreaIndexTest : public AppFixture {
  protected:
    ShowAreaIndexTest() {
        MapImageStore::SetProgramFolder(QStringLiteral(BRENNICK_EXAMPLES "/pictures"));
        form1->state().monsterNames = *server_size::MonsterNames();
        form1->state().NamesLoaded = true;
        form1->state().GenMonsterLoaded = true;
        spawns() = *server_size::Spawns();
    }
    ~ShowAreaIndexTest() override { MapImageStore::SetProgramFolder(QString()); }

    SpawnTable& spawns() { return form1->spawnPage().spawns(); }

    QRect shown(const QString& area) {
        form3->ShowSelectedAreas({area.toStdString()});
        MarkerShape* shape = form3->marker(area);
        return shape == nullptr ? QRect() : shape->geometry();
    }

    QSize canvasSize() const { return form3->findChild<QWidget*>("ViewerCanvas")->size(); }
};

TEST_F(ShowAreaIndexTest, TheFirstRecordOfARepeatedAreaIsShown) {
    spawns()[20][kArea] = "x";
    const QRect ofRecord10 = shown("11");
    spawns()[10][kArea] = "x";
    spawns()[20][kArea] = "11";
    const QRect ofRecord20 = shown("11");
    ASSERT_NE(ofRecord10, ofRecord20);

    // Both records carry the area: the earlier one wins, as it always did.
    spawns()[10][kArea] = "11";
    EXPECT_EQ(shown("11"), ofRecord10);
    EXPECT_EQ(spawns()[10][kMarkerShown], "1");
}

TEST_F(ShowAreaIndexTest, TheCanvasFitsThePictureAndMarkersWhenTheLoopEnds) {
    spawns()[3][kX1] = "9000"; // far beyond the world map's right edge
    spawns()[3][kX2] = "9040";
    const QRect far = shown("4");
    EXPECT_EQ(canvasSize(), QSize(far.right() + 1, std::max(form3->picture()->height(), far.bottom() + 1)));

    // The same marker moved back inside: the canvas shrinks to the picture.
    spawns()[3][kX1] = "6800";
    spawns()[3][kX2] = "6840";
    shown("4");
    EXPECT_EQ(canvasSize(), form3->picture()->size());
}

TEST_F(ShowAreaIndexTest, SelectedAreasGoInListOrderWhateverTheOrderOfSelection) {
    spawns()[1][kMap] = "1"; // the second area of monster 1 lies on another map
    form1->spawnPage().BuildSpawnMonsterList();
    control<QListWidget>("ListBox3")->setCurrentRow(0);
    auto* areas = control<QListWidget>("ListBox4");
    areas->setCurrentRow(1, QItemSelectionModel::Select);
    areas->setCurrentRow(0, QItemSelectionModel::Select);
    areas->setCurrentRow(1, QItemSelectionModel::NoUpdate);

    form1->spawnPage().mapaClick();

    // The first area in the list decides the map: area 1 on the world map.
    EXPECT_NE(form3->marker("1"), nullptr);
    EXPECT_EQ(form3->marker("2"), nullptr);
}
} // namespace
