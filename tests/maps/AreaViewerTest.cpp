#include "support/AppFixture.h"

#include "app/Controls.h"
#include "maps/MapImageStore.h"
#include "maps/MarkerShape.h"
#include "maps/PictureBox.h"
#include "records/Errors.h"
#include "records/FileBytes.h"
#include "spawns/GenMonsterFile.h"
#include "spawns/SpawnPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
const QString kFolder = QStringLiteral("maps-viewer");

// A pointer move with no button down, delivered to the widget itself (a
// button-less QTest move goes through the cursor to whichever window lies there).
void Hover(QWidget* widget, const QPoint& position) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

class AreaViewerTest : public AppFixture {
  protected:
    AreaViewerTest() {
        QDir(scratch.path()).mkpath("map");
        picture(512, 512, "map/0.bmp");
        picture(512, 512, "map/1.bmp");
        picture(512, 1536, "map/3.bmp");
        picture(512, 512, "minimap_outworld.bmp");
        MapImageStore::SetProgramFolder(scratch.path());

        ParseMonsterNames(ReadWholeFile(dataFile(kFolder, "MonsterName.txt").toStdString()),
                          form1->state().monsterNames);
        form1->state().NamesLoaded = true;
        form1->state().GenMonsterLoaded = true;
        loadSpawns();
    }
    ~AreaViewerTest() override { MapImageStore::SetProgramFolder(QString()); }

    void picture(int width, int height, const QString& name) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 180));
        ASSERT_TRUE(image.save(scratch.filePath(name), "BMP"));
    }

    void loadSpawns() {
        ParseGenMonster(ReadWholeFile(dataFile(kFolder, "GenMonster.txt").toStdString()), spawns());
        form1->spawnPage().BuildSpawnMonsterList();
    }

    SpawnTable& spawns() { return form1->spawnPage().spawns(); }

    // Chooses a monster and selects the given areas of it, then presses "Show area".
    void showAreas(int monster, const QStringList& areas) {
        QWidget* sheet = control<QWidget>("TabSheet10");
        sheet->findChild<QListWidget*>("ListBox3")->setCurrentRow(monster);
        auto* list = sheet->findChild<QListWidget*>("ListBox4");
        list->clearSelection();
        for (int row = 0; row < list->count(); ++row) {
            if (areas.contains(list->item(row)->text())) {
                list->setCurrentRow(row, QItemSelectionModel::Select);
            }
        }
        form1->spawnPage().mapaClick();
    }

    MarkerShape* marker(const QString& area) const { return form3->marker(area); }

    template <typename T> T* dialogControl(const QString& name) const { return form4->findChild<T*>(name); }
};

TEST_F(AreaViewerTest, ShowAreaDrawsTheSelectedAreasOfTheFirstMap) {
    showAreas(0, {"7", "9", "11"});
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(form3->picture()->size(), QSize(512, 512));
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
    EXPECT_EQ(spawns()[0][kMarkerShown], "1");
    EXPECT_EQ(spawns()[2][kMarkerShown], "1");
    EXPECT_EQ(spawns()[4][kMarkerShown], "");
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AreaViewerTest, ASpawnPointBecomesANineByNineCircle) {
    showAreas(1, {"8"});
    EXPECT_EQ(form3->picture()->size(), QSize(512, 1536));
    ASSERT_NE(marker("8"), nullptr);
    EXPECT_EQ(marker("8")->geometry(), QRect(3497, -2967, 9, 9));
    EXPECT_EQ(marker("8")->kind(), MarkerShape::Kind::Circle);
    EXPECT_EQ(marker("8")->penMode(), MarkerShape::PenMode::NotXor);
}

TEST_F(AreaViewerTest, ClosingHidesMarkersAndShowingAgainReusesThem) {
    showAreas(0, {"7", "9"});
    form3->close();
    EXPECT_FALSE(marker("7")->isVisibleTo(form3.get()));
    EXPECT_FALSE(marker("9")->isVisibleTo(form3.get()));

    // A new load forgets which markers exist; the markers are still reused by name.
    loadSpawns();
    showAreas(0, {"7"});
    EXPECT_TRUE(marker("7")->isVisibleTo(form3.get()));
    EXPECT_FALSE(marker("9")->isVisibleTo(form3.get()));
    EXPECT_EQ(form3->findChildren<MarkerShape*>("area7").size(), 1);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AreaViewerTest, HoverNamesTheMonsterAndTheTitleGivesWorldUnits) {
    showAreas(0, {"7"});
    Hover(marker("7"), QPoint(5, 5));
    EXPECT_EQ(
        form3->windowTitle(),
        QStringLiteral("Map    Coordinates   X: %1 Y: %2").arg(64 * 177 + 212922).arg(327680 - 64 * 75));
    auto* info = form3->findChild<QLabel*>("Label1");
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->text(), "Giant Rat  area: 7");
    EXPECT_EQ(marker("7")->fillColor(), QColor(0, 255, 0));

    Hover(form3->picture(), QPoint(20, 20));
    EXPECT_EQ(form3->windowTitle(), "Map    Coordinates   X: 214202 Y: 326400");
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(marker("7")->fillColor(), QColor(Qt::white));
}

TEST_F(AreaViewerTest, HoverOverAnAreaWithoutARecordLeavesTheNameEmpty) {
    showAreas(0, {"7"});
    spawns()[0][kArea] = "70";
    Hover(marker("7"), QPoint(2, 2));
    EXPECT_EQ(form3->findChild<QLabel*>("Label1")->text(), "  area: 7");
}

TEST_F(AreaViewerTest, MissingOrRefusedPicturesFailAndKeepThePicture) {
    showAreas(0, {"7"});
    spawns()[0][kMap] = "2";
    try {
        showAreas(0, {"7"});
        ADD_FAILURE() << "no failure";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(form3->picture()->size(), QSize(512, 512));
    spawns()[0][kMap] = "zero";
    EXPECT_THROW(showAreas(0, {"7"}), ConvertError);
    // A map text that is not a plain file name never leaves the map folder.
    for (const std::string map : {"../0", "..", "map/1", "0\\..\\1"}) {
        EXPECT_THROW(MapImageStore::MapPicturePath(map), InOutError) << map;
    }
    picture(8, 8, "broken.bmp");
    writeBytes(scratch.filePath("broken.bmp"), "BM not a picture");
    EXPECT_THROW(form3->LoadPicture(scratch.filePath("broken.bmp")), BrennickError);
    EXPECT_EQ(form3->picture()->size(), QSize(512, 512));
}

TEST_F(AreaViewerTest, DragOnTheMinimapFillsTheDialogAndAddStoresIt) {
    form1->spawnPage().ansClick();
    dialogControl<QComboBox>("ComboBox1")->setCurrentIndex(1);
    dialogControl<RadioGroup>("RadioGroup4")->setItemIndex(1);
    dialogs.then(DialogDriver::press("OK"));
    dialogControl<QPushButton>("Button3")->click();
    ASSERT_TRUE(form3->selectionArmed());
    EXPECT_EQ(form3->picture()->size(), QSize(512, 512));

    PictureBox* picture = form3->picture();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(picture, QPoint(150, 260));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(150, 260));

    QList<int> values;
    QStringList labels;
    for (int i = 0; i < 4; ++i) {
        values << dialogControl<QSpinBox>(QStringLiteral("SpinEdit%1").arg(8 + i))->value();
        labels << dialogControl<QLabel>(QStringLiteral("Label%1").arg(2 + i))->text();
    }
    EXPECT_EQ(values, (QList<int>{219322, 311040, 222522, 314880}));
    EXPECT_EQ(labels, (QStringList{"6853", "9720", "6953", "9840"}));
    EXPECT_EQ(form3->findChild<MarkerShape*>("Shape1")->geometry(), QRect(100, 200, 50, 60));
    EXPECT_TRUE(form4->isVisible());

    dialogControl<QPushButton>("Button1")->click();
    const std::size_t added = 5;
    EXPECT_EQ(spawns()[added][kIndex], "2");
    EXPECT_EQ(spawns()[added][kArea], "12");
    EXPECT_EQ(spawns()[added][kX1], "6853");
    EXPECT_EQ(spawns()[added][kY1], "9720");
    EXPECT_EQ(spawns()[added][kX2], "6953");
    EXPECT_EQ(spawns()[added][kY2], "9840");
    EXPECT_FALSE(form3->selectionArmed());
    EXPECT_FALSE(form3->isVisible());
    EXPECT_FALSE(form4->isVisible());
}

TEST_F(AreaViewerTest, ADragUpAndLeftGivesReversedCornersAndAnEmptyBand) {
    form1->spawnPage().ansClick();
    dialogs.then(DialogDriver::press("OK"));
    dialogControl<QPushButton>("Button3")->click();
    PictureBox* picture = form3->picture();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(150, 260));
    QTest::mouseMove(picture, QPoint(100, 200));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_EQ(dialogControl<QSpinBox>("SpinEdit8")->value(), 222522);
    EXPECT_EQ(dialogControl<QSpinBox>("SpinEdit10")->value(), 219322);
    EXPECT_TRUE(form3->findChild<MarkerShape*>("Shape1")->size().isEmpty());

    // Moves while idle again only report coordinates.
    dialogControl<QPushButton>("Button2")->click();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(dialogControl<QSpinBox>("SpinEdit8")->value(), 222522);
}

TEST_F(AreaViewerTest, SamplePicturesHoldTheSampleSpawns) {
    MapImageStore::SetProgramFolder(QStringLiteral(BRENNICK_EXAMPLES "/pictures"));
    ParseGenMonster(ReadWholeFile(BRENNICK_EXAMPLES "/GenMonster.txt"), spawns());
    for (std::size_t i = 0; i < spawns().LiveCount(); ++i) {
        const QString area = QString::fromStdString(spawns()[i][kArea]);
        form3->ShowSelectedAreas({spawns()[i][kArea]});
        ASSERT_NE(marker(area), nullptr) << i;
        EXPECT_TRUE(QRect(QPoint(0, 0), form3->picture()->size()).contains(marker(area)->geometry()))
            << "area " << area.toStdString();
    }
    form3->LoadPicture(MapImageStore::MinimapPath());
    EXPECT_EQ(form3->picture()->size(), QSize(512, 512));
    form3->grab().save(QStringLiteral(BRENNICK_SCREENSHOTS "/area-viewer.png"));
}
} // namespace
