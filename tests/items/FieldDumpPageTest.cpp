#include "items/ItemPageFixture.h"

#include "items/FieldDumpPage.h"
#include "records/Errors.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
class FieldDumpPageTest : public ItemPageFixture {
  protected:
    QWidget characterSheet;
    FieldDumpPage* character = new FieldDumpPage(shell, *workspace, &characterSheet);

    template <typename T> T* characterControl(const QString& name) const {
        return FindControl<T>(&characterSheet, name);
    }
};

TEST_F(FieldDumpPageTest, DumpListsTwoFieldsOfEveryLoadedRow) {
    auto* memo = characterControl<QPlainTextEdit>("Memo2");
    EXPECT_EQ(memo->toPlainText(), "Memo2");
    characterControl<QLineEdit>("Edit1")->setText("1");
    characterControl<QLineEdit>("Edit2")->setText("2");
    character->dumpFields();
    EXPECT_EQ(memo->toPlainText(), "=");

    loadSamples();
    character->dumpFields();
    const QStringList lines = memo->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(lines.first(), "1=1001");
    EXPECT_EQ(lines.last(), "31=1031");
}

TEST_F(FieldDumpPageTest, TextThatIsNotANumberStopsTheDump) {
    try {
        character->dumpFields();
        FAIL();
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'Edit1' is not a valid integer value");
    }
    EXPECT_EQ(characterControl<QPlainTextEdit>("Memo2")->toPlainText(), "");
}

TEST_F(FieldDumpPageTest, EightOfTwelvePicturesShowTheSlots) {
    for (int i = 2; i <= 13; ++i) {
        const QPixmap picture = characterControl<QLabel>(QStringLiteral("Image%1").arg(i))->pixmap();
        EXPECT_EQ(picture.isNull(), i > 9) << i;
        if (!picture.isNull()) {
            EXPECT_EQ(picture.size(), QSize(32, 32));
        }
    }
}
} // namespace
