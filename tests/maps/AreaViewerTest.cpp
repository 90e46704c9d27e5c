#include "support/Hover.h"
#include "support/ShellFixture.h"

#include "maps/AreaViewer.h"
#include "maps/MapImageStore.h"
#include "maps/MarkerShape.h"
#include "maps/PictureBox.h"
#include "monsters/MonsterNamesReader.h"
#include "records/Errors.h"
#include "records/FileBytes.h"
#include "spawns/GenMonsterReader.h"
#include "support/TableRecords.h"

#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {
const QString kFolder = QStringLiteral("maps-viewer");

class AreaViewerTest : public ShellFixture {
  protected:
    AreaViewerTest() {
        QDir(scratch.path()).mkpath("map");
        picture(512, 512, "map/0.bmp");
        picture(512, 512, "map/1.bmp");
        picture(512, 1536, "map/3.bmp");
        picture(512, 512, "minimap_outworld.bmp");

        ParseMonsterNames(ReadWholeFile(dataFile(kFolder, "MonsterName.txt").toStdString()),
                          workspace->monsterNames);
        loadSpawns();
    }

    void picture(int width, int height, const QString& name) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 180));
        ASSERT_TRUE(image.save(scratch.filePath(name), "BMP"));
    }

    void loadSpawns() {
        ParseGenMonster(ReadWholeFile(dataFile(kFolder, "GenMonster.txt").toStdString()), spawns());
    }

    SpawnTable& spawns() { return workspace->spawns; }
    MarkerShape* marker(const QString& area) const { return viewer->marker(area); }

    MapImageStore mapImages{scratch.path()};
    std::unique_ptr<AreaViewer> viewer = std::make_unique<AreaViewer>(shell, *workspace, mapImages);
};

TEST_F(AreaViewerTest, ShowAreaDrawsTheSelectedAreasOfTheFirstMap) {
    viewer->showSelectedAreas({"7", "9", "11"});
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->picture()->size(), QSize(512, 512));
    ASSERT_NE(marker("7"), nullptr);
    EXPECT_EQ(marker("7")->geometry(), QRect(172, 70, 50, 50));
    EXPECT_EQ(marker("7")->kind(), MarkerShape::Kind::Rectangle);
    EXPECT_EQ(marker("7")->penMode(), MarkerShape::PenMode::Xor);
    EXPECT_EQ(marker("7")->penColor(), QColor(0, 0, 128));
    EXPECT_EQ(marker("7")->fillColor(), QColor(Qt::white));
    ASSERT_NE(marker("9"), nullptr);
    EXPECT_EQ(marker("9")->geometry(), QRect(272, 170, 50, 50));
    // Area 11 lies on map 1, not on the first selected area's map.
    EXPECT_EQ(marker("11"), nullptr);
    EXPECT_TRUE(marker("7")->isVisibleTo(viewer.get()));
    EXPECT_TRUE(marker("9")->isVisibleTo(viewer.get()));
}

TEST_F(AreaViewerTest, ShowAreaScrollsTheFirstMarkerIntoSight) {
    auto* scroll = viewer->findChild<QScrollArea*>("ViewerScroll");
    // Area 9 lies beyond the window's first sight, area 7 within it.
    for (const char* area : {"9", "7"}) {
        viewer->showSelectedAreas({area});
        const QRect shown(marker(area)->mapTo(scroll->viewport(), QPoint(0, 0)), marker(area)->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << area;
    }
}

TEST_F(AreaViewerTest, ASpawnPointBecomesANineByNineCircle) {
    viewer->showSelectedAreas({"8"});
    EXPECT_EQ(viewer->picture()->size(), QSize(512, 1536));
    ASSERT_NE(marker("8"), nullptr);
    EXPECT_EQ(marker("8")->geometry(), QRect(3497, -2967, 9, 9));
    EXPECT_EQ(marker("8")->kind(), MarkerShape::Kind::Circle);
    EXPECT_EQ(marker("8")->penMode(), MarkerShape::PenMode::NotXor);
}

TEST_F(AreaViewerTest, ClosingHidesMarkersAndShowingAgainReusesThem) {
    viewer->showSelectedAreas({"7", "9"});
    viewer->close();
    EXPECT_FALSE(marker("7")->isVisibleTo(viewer.get()));
    EXPECT_FALSE(marker("9")->isVisibleTo(viewer.get()));

    // A new load forgets which markers exist; the markers are still reused by name.
    loadSpawns();
    viewer->showSelectedAreas({"7"});
    EXPECT_TRUE(marker("7")->isVisibleTo(viewer.get()));
    EXPECT_FALSE(marker("9")->isVisibleTo(viewer.get()));
    EXPECT_EQ(viewer->findChildren<MarkerShape*>("area7").size(), 1);
}

TEST_F(AreaViewerTest, HoverNamesTheMonsterAndTheTitleGivesWorldUnits) {
    viewer->showSelectedAreas({"7"});
    Hover(marker("7"), QPoint(5, 5));
    EXPECT_EQ(
        viewer->windowTitle(),
        QStringLiteral("Map    Coordinates   X: %1 Y: %2").arg(64 * 177 + 212922).arg(327680 - 64 * 75));
    auto* info = viewer->findChild<QLabel*>("Label1");
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->text(), "Giant Rat  area: 7");
    EXPECT_EQ(marker("7")->fillColor(), QColor(0, 255, 0));

    Hover(viewer->picture(), QPoint(20, 20));
    EXPECT_EQ(viewer->windowTitle(), "Map    Coordinates   X: 214202 Y: 326400");
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(marker("7")->fillColor(), QColor(Qt::white));
}

TEST_F(AreaViewerTest, HoverOverAnAreaWithoutARecordLeavesTheNameEmpty) {
    viewer->showSelectedAreas({"7"});
    RecordAt(spawns(), 0)[SpawnField::Area] = "70";
    Hover(marker("7"), QPoint(2, 2));
    EXPECT_EQ(viewer->findChild<QLabel*>("Label1")->text(), "  area: 7");
}

// Every picture failure names the file it concerns.
TEST_F(AreaViewerTest, MissingOrRefusedPicturesFailNamingTheFileAndKeepThePicture) {
    viewer->showSelectedAreas({"7"});
    const auto failure = [](const std::function<void()>& load) {
        try {
            load();
        } catch (const BrennickError& error) {
            return QString::fromUtf8(error.what());
        }
        return QStringLiteral("no failure");
    };
    const QString folder = scratch.path();
    RecordAt(spawns(), 0)[SpawnField::Map] = "2";
    EXPECT_EQ(failure([&] { viewer->showSelectedAreas({"7"}); }),
              "Cannot open file \"" + folder + "/map/2.bmp\". File not found");
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->picture()->size(), QSize(512, 512));
    RecordAt(spawns(), 0)[SpawnField::Map] = "zero";
    EXPECT_THROW(viewer->showSelectedAreas({"7"}), ConvertError);
    // A map text that is not a plain file name never leaves the map folder.
    for (const std::string map : {"../0", "..", "map/1", "0\\..\\1"}) {
        const QString path = folder + "/map/" + QString::fromStdString(map) + ".bmp";
        EXPECT_EQ(failure([&] { mapImages.MapPicturePath(map); }),
                  "Cannot open file \"" + path + "\". File not found");
    }
    writeBytes(scratch.filePath("broken.bmp"), "BM not a picture");
    EXPECT_EQ(failure([&] { viewer->loadPicture(scratch.filePath("broken.bmp")); }),
              "Cannot read file \"" + folder + "/broken.bmp\". Bitmap image is not valid");
    EXPECT_EQ(viewer->picture()->size(), QSize(512, 512));
}

TEST_F(AreaViewerTest, ArmedDragTellsTheCornersInWorldUnits) {
    viewer->loadPicture(mapImages.MinimapPath());
    viewer->armSelection();
    QSignalSpy started(viewer.get(), &AreaViewer::selectionStarted);
    QSignalSpy ended(viewer.get(), &AreaViewer::selectionEnded);
    PictureBox* picture = viewer->picture();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(picture, QPoint(150, 260));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(150, 260));
    ASSERT_EQ(started.count(), 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(started.first(), (QVariantList{219322, 314880}));
    EXPECT_EQ(ended.first(), (QVariantList{222522, 311040}));
    EXPECT_EQ(viewer->findChild<MarkerShape*>("Shape1")->geometry(), QRect(100, 200, 50, 60));
}

TEST_F(AreaViewerTest, ADragUpAndLeftGivesAnEmptyBandAndAnIdlePictureTellsNothing) {
    viewer->loadPicture(mapImages.MinimapPath());
    viewer->armSelection();
    QSignalSpy started(viewer.get(), &AreaViewer::selectionStarted);
    PictureBox* picture = viewer->picture();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(150, 260));
    QTest::mouseMove(picture, QPoint(100, 200));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_TRUE(viewer->findChild<MarkerShape*>("Shape1")->size().isEmpty());

    viewer->disarmSelection();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(started.count(), 1);
    EXPECT_FALSE(viewer->findChild<MarkerShape*>("Shape1")->isVisible());
}

TEST_F(AreaViewerTest, SamplePicturesHoldTheSampleSpawns) {
    const MapImageStore samples(QStringLiteral(BRENNICK_EXAMPLES "/pictures"));
    AreaViewer sampleViewer(shell, *workspace, samples);
    ParseGenMonster(ReadWholeFile(BRENNICK_EXAMPLES "/GenMonster.txt"), spawns());
    for (std::size_t i = 0; i < spawns().LiveCount(); ++i) {
        const QString area = QString::fromStdString(RecordAt(spawns(), i)[SpawnField::Area]);
        sampleViewer.showSelectedAreas({RecordAt(spawns(), i)[SpawnField::Area]});
        ASSERT_NE(sampleViewer.marker(area), nullptr) << i;
        EXPECT_TRUE(QRect(QPoint(0, 0), sampleViewer.picture()->size())
                        .contains(sampleViewer.marker(area)->geometry()))
            << "area " << area.toStdString();
    }
    sampleViewer.loadPicture(samples.MinimapPath());
    EXPECT_EQ(sampleViewer.picture()->size(), QSize(512, 512));
    sampleViewer.grab().save(QStringLiteral(BRENNICK_SCREENSHOTS "/area-viewer.png"));
}
} // namespace
