#include "support/Places.h"
#include "support/ShellFixture.h"

#include "common/GuardedHandler.h"
#include "common/RadioGroup.h"
#include "common/SpinEdit.h"
#include "maps/AreaViewer.h"
#include "maps/MapImageStore.h"
#include "spawns/AddSpawnDialog.h"
#include "support/TableRecords.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
class AddSpawnDialogTest : public ShellFixture {
  protected:
    AddSpawnDialogTest() {
        MonsterNameTable& names = workspace->monsterNames;
        RecordAt(names, 0) = {"1", "Giant Rat"};
        RecordAt(names, 1) = {"2", "Hill Goblin"};
        RecordAt(names, 2) = {"17", "Cave Spider"};
        for (std::size_t i = 0; i < 10; ++i) {
            RecordAt(spawns(), i) = {
                {"0", "1", "0", std::to_string(32 + i), "1", "60", "7000", "9000", "7100", "9100"}, {}};
        }
        wire();
    }

    template <typename T> T* dialogControl(const QString& name) const {
        return FindControl<T>(form4.get(), name);
    }
    SpawnTable& spawns() { return workspace->spawns; }
    void press(const QString& button) { dialogControl<QPushButton>(button)->click(); }

    // The dialog's requests wired to the viewer as the main window wires them.
    void wire() {
        QObject::connect(form4.get(), &AddSpawnDialog::minimapWanted, Guarded(shell, [this](bool& shown) {
                             form3->showMinimap();
                             shown = true;
                         }));
        QObject::connect(form4.get(), &AddSpawnDialog::selectionArmWanted, form3.get(),
                         &AreaViewer::armSelection);
        QObject::connect(form4.get(), &AddSpawnDialog::selectionDisarmWanted, form3.get(),
                         &AreaViewer::disarmSelection);
        QObject::connect(form4.get(), &AddSpawnDialog::viewerHideWanted, form3.get(), &QWidget::hide);
        QObject::connect(form4.get(), &AddSpawnDialog::viewerCloseWanted, form3.get(), &QWidget::close);
    }

    MapImageStore mapImages{scratch.path()};
    std::optional<std::string> read;
    SpawnEditor editor{workspace->spawns, workspace->monsterNames, read};
    std::unique_ptr<AreaViewer> form3 = std::make_unique<AreaViewer>(shell, *workspace, mapImages);
    std::unique_ptr<AddSpawnDialog> form4 = std::make_unique<AddSpawnDialog>(shell, *workspace, editor);
};

TEST_F(AddSpawnDialogTest, OpensWithTheMonsterNamesAndNoChoice) {
    form4->open();
    EXPECT_TRUE(form4->isVisible());
    auto* monsters = dialogControl<QComboBox>("ComboBox1");
    ASSERT_EQ(monsters->count(), 3);
    EXPECT_EQ(monsters->itemText(2), "Cave Spider");
    EXPECT_EQ(monsters->currentIndex(), -1);
    EXPECT_EQ(monsters->maxVisibleItems(), 16);
}

TEST_F(AddSpawnDialogTest, AddStoresTheNewSpawnAfterTheLastOne) {
    form4->open();
    dialogControl<QComboBox>("ComboBox1")->setCurrentIndex(2);
    dialogControl<QSpinBox>("SpinEdit12")->setValue(2);
    dialogControl<QSpinBox>("SpinEdit6")->setValue(4);
    dialogControl<QSpinBox>("SpinEdit7")->setValue(120);
    dialogControl<RadioGroup>("RadioGroup4")->setItemIndex(1);
    const int corners[4] = {3200, 6400, 4800, 8000};
    for (int i = 0; i < 4; ++i) {
        dialogControl<QSpinBox>(QStringLiteral("SpinEdit%1").arg(8 + i))->setValue(corners[i]);
    }
    press("Button1");
    const SpawnRecord expected{{"0", "17", "2", "42", "4", "120", "100", "200", "150", "250"}, {}};
    EXPECT_EQ(RecordAt(spawns(), 10), expected);
    EXPECT_FALSE(form4->isVisible());
    EXPECT_TRUE(shell.messages().isEmpty());
    EXPECT_EQ(shell.statusText(), "Spawn added: area 42");
}

// Enter presses the button that has the focus; anywhere else in the dialog it presses "ADD".
TEST_F(AddSpawnDialogTest, EnterAnswersTheFocusedButtonAndElsePressesAdd) {
    QImage(64, 64, QImage::Format_RGB32).save(scratch.filePath("minimap_outworld.bmp"), "BMP");
    struct Case {
        const char* focus;
        bool adds;
        bool staysOpen;
    };
    for (const Case c : {Case{"Button2", false, false}, Case{"Button3", false, true},
                         Case{"Button1", true, false}, Case{"SpinEdit9", true, false},
                         Case{"ComboBox1", true, false}, Case{"RadioGroup4_1", true, false}}) {
        form4->open();
        dialogControl<QComboBox>("ComboBox1")->setCurrentIndex(0);
        const std::size_t live = spawns().LiveCount();
        QWidget* focus = dialogControl<QWidget>(c.focus);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(spawns().LiveCount(), live + (c.adds ? 1 : 0)) << c.focus;
        EXPECT_EQ(form4->isVisible(), c.staysOpen) << c.focus;
        EXPECT_EQ(form3->selectionArmed(), c.focus == std::string("Button3")) << c.focus;
    }
    EXPECT_EQ(shell.messages().size(), 1);
}

// The corner fields limit what is typed to 6 characters, never a value a drag sets.
TEST_F(AddSpawnDialogTest, CornersFromADragStayWholeAndTypingStopsAtSixCharacters) {
    form4->open();
    dialogControl<QComboBox>("ComboBox1")->setCurrentIndex(0);
    dialogControl<RadioGroup>("RadioGroup4")->setItemIndex(1);
    form4->setSelectionStart(-952320, 1234567);
    form4->setSelectionEnd(2000000, 0);
    auto* y1 = dialogControl<QSpinBox>("SpinEdit9");
    y1->clear();
    QTest::keyClicks(y1, "1234567");
    QStringList texts;
    QStringList labels;
    for (int i = 0; i < 4; ++i) {
        texts << dialogControl<QSpinBox>(QStringLiteral("SpinEdit%1").arg(8 + i))->text();
        labels << dialogControl<QLabel>(QStringLiteral("Label%1").arg(2 + i))->text();
    }
    EXPECT_EQ(texts, (QStringList{"-952320", "123456", "2000000", "1234567"}));
    EXPECT_EQ(labels, (QStringList{"-29760", "3858", "62500", "38580"}));

    // Enter in a field reads its text back whole, and adds.
    QTest::keyClick(dialogControl<QSpinBox>("SpinEdit8"), Qt::Key_Return);
    const SpawnRecord& added = RecordAt(spawns(), 10);
    EXPECT_EQ((std::vector<std::string>{added[SpawnField::X1], added[SpawnField::Y1], added[SpawnField::X2],
                                        added[SpawnField::Y2]}),
              (std::vector<std::string>{"-29760", "3858", "62500", "38580"}));
}

TEST_F(AddSpawnDialogTest, AddWithoutAMonsterWarnsAndKeepsTheDialogOpen) {
    form4->open();
    QTest::keyClick(dialogControl<QSpinBox>("SpinEdit7"), Qt::Key_Return);
    EXPECT_EQ(shell.messages(), QStringList{"Warning: Please choose a monster from the list"});
    EXPECT_TRUE(form4->isVisible());
    EXPECT_EQ(RecordAt(spawns(), 10)[SpawnField::Index], "");
    EXPECT_EQ(RecordAt(spawns(), 10)[SpawnField::Commented], "");
}

TEST_F(AddSpawnDialogTest, AddToALargeTableAlwaysHasANextPosition) {
    for (std::size_t i = 0; i < 3600; ++i) {
        RecordAt(spawns(), i)[SpawnField::Index] = "1";
        RecordAt(spawns(), i)[SpawnField::Area] = std::to_string(i);
    }
    form4->open();
    dialogControl<QComboBox>("ComboBox1")->setCurrentIndex(0);
    press("Button1");
    EXPECT_TRUE(shell.messages().isEmpty());
    EXPECT_EQ(RecordAt(spawns(), 3600)[SpawnField::Area], "3600");
    EXPECT_EQ(spawns().LiveCount(), 3601u);
}

TEST_F(AddSpawnDialogTest, SelectOnMapWithoutTheMinimapFailsNamingItBeforeArming) {
    form4->open();
    press("Button3");
    EXPECT_EQ(shell.messages(), QStringList{"Brennick v1.14a: Cannot open file \"" + mapImages.MinimapPath() +
                                            "\". File not found"});
    EXPECT_FALSE(form3->selectionArmed());
}

TEST_F(AddSpawnDialogTest, CancelLeavesTheTableAndClosesTheViewer) {
    QImage(64, 64, QImage::Format_RGB32).save(scratch.filePath("minimap_outworld.bmp"), "BMP");
    form4->open();
    press("Button3");
    EXPECT_EQ(
        shell.messages(),
        QStringList{"Information: To select area click left mouse button on map and hold it, move mouse to "
                    "select area and release it."});
    EXPECT_TRUE(form3->selectionArmed());
    EXPECT_TRUE(form3->isVisible());
    press("Button2");
    EXPECT_FALSE(form3->selectionArmed());
    EXPECT_FALSE(form3->isVisible());
    EXPECT_FALSE(form4->isVisible());
    EXPECT_EQ(RecordAt(spawns(), 10)[SpawnField::Index], "");
}

// The dialog's own layout, but for "Type of spawn", whose buttons it would cut.
TEST_F(AddSpawnDialogTest, ControlsStandWhereTheDialogLayoutPutsThem) {
    EXPECT_EQ(form4->size(), QSize(386, 243));
    EXPECT_EQ(form4->pos(), QPoint(354, 221));
    ExpectPlaces(form4.get(), {{"Label1", QRect(8, 8, 0, 0)},
                               {"ComboBox1", QRect(8, 24, 369, 21)},
                               {"Label24", QRect(16, 69, 0, 0)},
                               {"SpinEdit12", QRect(48, 64, 49, 22)},
                               {"Label13", QRect(119, 64, 0, 0)},
                               {"SpinEdit6", QRect(176, 64, 49, 22)},
                               {"Label14", QRect(256, 69, 0, 0)},
                               {"SpinEdit7", QRect(288, 64, 73, 22)},
                               {"GroupBox15", QRect(8, 96, 369, 121)},
                               {"RadioGroup4", QRect(8, 16, 345, 36)},
                               {"Label12", QRect(6, 56, 0, 0)},
                               {"SpinEdit8", QRect(6, 72, 81, 22)},
                               {"SpinEdit9", QRect(94, 72, 81, 22)},
                               {"SpinEdit10", QRect(190, 72, 81, 22)},
                               {"SpinEdit11", QRect(278, 72, 81, 22)},
                               {"Label5", QRect(278, 96, 0, 0)},
                               {"Button3", QRect(8, 224, 89, 17)},
                               {"Button1", QRect(208, 224, 75, 17)},
                               {"Button2", QRect(296, 224, 75, 17)}});
    EXPECT_EQ(form3->size(), QSize(256, 159));
    EXPECT_EQ(form3->pos(), QPoint(688, 231));
}

TEST_F(AddSpawnDialogTest, CaptionsAreWhole) {
    for (QWidget* widget : form4->findChildren<QWidget*>()) {
        const QFontMetrics metrics(widget->font());
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && !label->wordWrap() && label->isVisibleTo(form4.get())) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString();
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width())
                << button->objectName().toStdString();
        }
        if (widget->parentWidget() == form4.get()) {
            EXPECT_TRUE(form4->rect().contains(widget->geometry())) << widget->objectName().toStdString();
        }
    }
    form4->grab().save(QStringLiteral(BRENNICK_SCREENSHOTS "/add-spawn-dialog.png"));
}
} // namespace
