#include "support/ShellFixture.h"

#include "portals/AddPortalDialog.h"
#include "portals/PortalPage.h"

#include "portals/PortalWidgetTestSupport.h"
#include "support/TableRecords.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
class AddPortalTest : public ShellFixture {
  protected:
    template <typename T> T* field(const QString& name) const { return FindControl<T>(form6.get(), name); }

    void type(const QString& spin, const QString& text) {
        auto* box = field<QSpinBox>(spin);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    void fill(bool on, const QStringList& values, const QString& comment) {
        form6->show();
        field<QCheckBox>("CheckBox12")->setChecked(on);
        const QStringList spins{"SpinEdit17", "SpinEdit13", "SpinEdit14", "SpinEdit15", "SpinEdit16",
                                "SpinEdit22", "SpinEdit18", "SpinEdit19", "SpinEdit20"};
        for (int i = 0; i < spins.size(); ++i) {
            type(spins[i], values[i]);
        }
        field<QLineEdit>("Edit3")->setText(comment);
    }

    void add() { QTest::mouseClick(field<QPushButton>("Button1"), Qt::LeftButton); }

    PortalTable& portals() { return workspace->portals; }

    AddPortalTest() {
        portalPage->editor().OnChanged([this](const PortalEditor::Change&) { ++added; });
    }

    PortalPage* portalPage = new PortalPage(shell, *workspace, &sheet);
    std::unique_ptr<AddPortalDialog> form6 = std::make_unique<AddPortalDialog>(shell, portalPage->editor());
    int added = 0; // portals added
};

// What is typed reaches the record; the rules of the stored values are those of AddPortal.
TEST_F(AddPortalTest, AddStoresWhatTheFieldsShowAtTheFirstFreePosition) {
    struct Case {
        bool on;
        QStringList typed; // from map, x1, y1, x2, y2, to map, x, y, z
        QString comment;
        std::vector<std::string> stored;
    };
    const std::vector<Case> cases{
        {false,
         {"3", "6400", "6431", "-40", "-33", "5", "300", "-400", "0"},
         " gate",
         {"1", "0", "2", "3", "200", "200", "-1", "-1", "5", "300", "-400", "0", " gate"}},
        // Text that is no number counts as 0.
        {true,
         {"12", "31", "32", "", "-", "7", "1", "2", "3"},
         "(west) ; cave",
         {"0", "0", "2", "12", "0", "1", "0", "0", "7", "1", "2", "3", "(west) ; cave"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        fill(cases[i].on, cases[i].typed, cases[i].comment);
        add();
        EXPECT_FALSE(form6->isVisible());
        EXPECT_EQ(std::vector<std::string>(RecordAt(portals(), i).fields.begin(),
                                           RecordAt(portals(), i).fields.end()),
                  cases[i].stored)
            << i;
        EXPECT_EQ(added, static_cast<int>(i) + 1);
    }
    EXPECT_FALSE(RecordAt(portals(), 2).present());
}

TEST_F(AddPortalTest, FieldsStayForTheNextAddAndCancelResetsThem) {
    fill(true, {"1", "64", "96", "128", "160", "2", "3", "4", "5"}, "twice");
    EXPECT_EQ(field<QLabel>("Label38")->text(), "5");
    add();
    form6->open();
    EXPECT_TRUE(form6->isVisible());
    EXPECT_EQ(field<QSpinBox>("SpinEdit16")->text(), "160");
    add();
    EXPECT_EQ(RecordAt(portals(), 0).fields, RecordAt(portals(), 1).fields);
    EXPECT_EQ(added, 2);

    form6->show();
    QTest::mouseClick(field<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(form6->isVisible());
    EXPECT_FALSE(field<QCheckBox>("CheckBox12")->isChecked());
    for (const QString name : {"SpinEdit13", "SpinEdit14", "SpinEdit15", "SpinEdit16", "SpinEdit17",
                               "SpinEdit18", "SpinEdit19", "SpinEdit20", "SpinEdit22"}) {
        EXPECT_EQ(field<QSpinBox>(name)->text(), "0") << name.toStdString();
    }
    for (const QString name : {"Label34", "Label36", "Label37", "Label38"}) {
        EXPECT_EQ(field<QLabel>(name)->text(), "0") << name.toStdString();
    }
    EXPECT_EQ(field<QLineEdit>("Edit3")->text(), "");
    EXPECT_FALSE(RecordAt(portals(), 2).present());
}

TEST_F(AddPortalTest, EnterInAFieldPressesAdd) {
    form6->show();
    type("SpinEdit17", "9");
    QTest::keyClick(field<QSpinBox>("SpinEdit17"), Qt::Key_Return);
    EXPECT_EQ(RecordAt(portals(), 0)[PortalField::FromMap], "9");
    EXPECT_FALSE(form6->isVisible());
}

TEST_F(AddPortalTest, ALargeTableAlwaysHasANextPosition) {
    for (std::size_t i = 0; i < 200; ++i) {
        RecordAt(portals(), i)[PortalField::Commented] = "0";
        RecordAt(portals(), i)[PortalField::FromMap] = std::to_string(i);
    }
    fill(true, {"99", "1", "2", "3", "4", "5", "6", "7", "8"}, " next");
    add();
    EXPECT_EQ(added, 1);
    EXPECT_FALSE(form6->isVisible());
    EXPECT_EQ(RecordAt(portals(), 200)[PortalField::FromMap], "99");
    EXPECT_EQ(portals().walkLength(), 201u);
}

TEST_F(AddPortalTest, NewPortalIsSavedWithTheOthers) {
    fill(false, {"3", "1200", "800", "1260", "840", "5", "300", "400", "0"}, " gate");
    add();
    shell.answerFile(scratchFile("Etc.txt"));
    portalPage->saveEtc();
    EXPECT_EQ(readBytes(scratchFile("Etc.txt")),
              "; goto -----------------------------------\r\n"
              ";(goto     ) ;\r\n"
              "; portal -----------------------------------\r\n"
              ";(portal (country 0 2) (from 3 37 25 39 26) (to 5 300 400 0)) ; gate\r\n");
}

TEST_F(AddPortalTest, DialogFitsItsClientArea) {
    fill(true, {"3", "204800", "-166400", "211200", "172800", "5", "300", "400", "0"}, "a comment");
    EXPECT_EQ(form6->size(), QSize(378, 245));
    ExpectWholeAndInside(form6.get());
    SaveScreenshot(form6.get(), "add-portal");
}
// The comment is stored in the encoding of the Etc.txt loaded; a character it cannot hold is refused.
TEST_F(AddPortalTest, TheCommentIsStoredInTheFilesEncoding) {
    const QString comment = QString::fromUtf8(" Tor zur H\u00f6hle \u2192 Mine");
    fill(true, {"1", "0", "0", "0", "0", "2", "0", "0", "0"}, comment);
    add();
    EXPECT_EQ(
        shell.messages(),
        QStringList{
            "Brennick v1.14a: The character '\u2192' (U+2192) cannot be stored: the file is Latin-1 text"});
    EXPECT_EQ(added, 0);
    EXPECT_FALSE(RecordAt(portals(), 0).present());

    workspace->etcText = TextEncoding::Utf8;
    add();
    EXPECT_EQ(added, 1);
    EXPECT_EQ(RecordAt(portals(), 0)[PortalField::Comment], " Tor zur H\xC3\xB6hle \xE2\x86\x92 Mine");
}
} // namespace
