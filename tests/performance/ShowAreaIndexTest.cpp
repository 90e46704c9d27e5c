// "Show area" finds records and markers through indexes built once per
// press: these hold it to what a search per area gave.

#include "ServerSizeData.h"

#include "maps/AreaViewer.h"
#include "maps/MapImageStore.h"
#include "maps/MarkerShape.h"
#include "maps/PictureBox.h"
#include "spawns/SpawnPage.h"
#include "support/ShellFixture.h"
#include "support/TableRecords.h"

#include <QListWidget>

namespace {
class ShowAreaIndexTest : public ShellFixture {
  protected:
    ShowAreaIndexTest() {
        workspace->monsterNames = *server_size::MonsterNames();
        workspace->NamesLoaded = true;
        workspace->GenMonsterLoaded = true;
        spawns() = *server_size::Spawns();
    }

    SpawnTable& spawns() { return workspace->spawns; }

    QRect shown(const QString& area) {
        viewer->showSelectedAreas({area.toStdString()});
        MarkerShape* shape = viewer->marker(area);
        return shape == nullptr ? QRect() : shape->geometry();
    }

    QSize canvasSize() const { return viewer->canvas()->size(); }

    MapImageStore mapImages{QStringLiteral(BRENNICK_EXAMPLES "/pictures")};
    std::unique_ptr<AreaViewer> viewer = std::make_unique<AreaViewer>(shell, *workspace, mapImages);
};

TEST_F(ShowAreaIndexTest, TheFirstRecordOfARepeatedAreaIsShown) {
    RecordAt(spawns(), 20)[SpawnField::Area] = "x";
    const QRect ofRecord10 = shown("11");
    RecordAt(spawns(), 10)[SpawnField::Area] = "x";
    RecordAt(spawns(), 20)[SpawnField::Area] = "11";
    const QRect ofRecord20 = shown("11");
    ASSERT_NE(ofRecord10, ofRecord20);

    // Both records carry the area: the earlier one wins, as it always did.
    RecordAt(spawns(), 10)[SpawnField::Area] = "11";
    EXPECT_EQ(shown("11"), ofRecord10);
}

TEST_F(ShowAreaIndexTest, TheCanvasFitsThePictureAndMarkersWhenTheLoopEnds) {
    RecordAt(spawns(), 3)[SpawnField::X1] = "9000"; // far beyond the world map's right edge
    RecordAt(spawns(), 3)[SpawnField::X2] = "9040";
    const QRect far = shown("4");
    EXPECT_EQ(canvasSize(), QSize(far.right() + 1, std::max(viewer->picture()->height(), far.bottom() + 1)));

    // The same marker moved back inside: the canvas shrinks to the picture.
    RecordAt(spawns(), 3)[SpawnField::X1] = "6800";
    RecordAt(spawns(), 3)[SpawnField::X2] = "6840";
    shown("4");
    EXPECT_EQ(canvasSize(), viewer->picture()->size());
}

TEST_F(ShowAreaIndexTest, SelectedAreasGoInListOrderWhateverTheOrderOfSelection) {
    RecordAt(spawns(), 1)[SpawnField::Map] = "1"; // the second area of monster 1 lies on another map
    auto* page = new SpawnPage(shell, *workspace, &sheet);
    QObject::connect(page, &SpawnPage::areasToShow, viewer.get(), &AreaViewer::showSelectedAreas);
    page->refreshMonsterList();
    control<QListWidget>("ListBox3")->setCurrentRow(0);
    auto* areas = control<QListWidget>("ListBox4");
    areas->setCurrentRow(1, QItemSelectionModel::Select);
    areas->setCurrentRow(0, QItemSelectionModel::Select);
    areas->setCurrentRow(1, QItemSelectionModel::NoUpdate);

    page->showSelectedAreas();

    // The first area in the list decides the map: area 1 on the world map.
    EXPECT_NE(viewer->marker("1"), nullptr);
    EXPECT_EQ(viewer->marker("2"), nullptr);
}
} // namespace
