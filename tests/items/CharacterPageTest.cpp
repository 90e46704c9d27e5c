#include "items/ItemPageFixture.h"

#include "items/CharacterPage.h"
#include "records/Errors.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
using CharacterPageTest = ItemPageFixture;

TEST_F(CharacterPageTest, DumpListsTwoFieldsOfEveryLoadedRow) {
    auto* memo = control<QPlainTextEdit>("Memo2");
    EXPECT_EQ(memo->toPlainText(), "Memo2");
    control<QLineEdit>("Edit1")->setText("1");
    control<QLineEdit>("Edit2")->setText("2");
    form1->characterPage().Button4Click();
    EXPECT_EQ(memo->toPlainText(), "=");

    loadSamples();
    form1->characterPage().Button4Click();
    const QStringList lines = memo->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(lines.first(), "1=1001");
    EXPECT_EQ(lines.last(), "31=1031");
}

TEST_F(CharacterPageTest, TextThatIsNotANumberStopsTheDump) {
    try {
        form1->characterPage().Button4Click();
        FAIL();
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'Edit1' is not a valid integer value");
    }
    EXPECT_EQ(control<QPlainTextEdit>("Memo2")->toPlainText(), "");
}

TEST_F(CharacterPageTest, EightOfTwelvePicturesShowTheSlots) {
    for (int i = 2; i <= 13; ++i) {
        const QPixmap picture = control<QLabel>(QStringLiteral("Image%1").arg(i))->pixmap();
        EXPECT_EQ(picture.isNull(), i > 9) << i;
        if (!picture.isNull()) {
            EXPECT_EQ(picture.size(), QSize(32, 32));
        }
    }
}
} // namespace
