#include "items/ItemPageFixture.h"
#include "support/TableRecords.h"

#include <QLabel>
#include <QLineEdit>

#include <ostream>
#include <string>

namespace {
const QString kName = QString::fromUtf8("Épée");
const QString kValue = QString::fromUtf8("Ü9");
const QString kEuro = QString::fromUtf8("€5");

// Each file is shown and edited in its own encoding: the names file decides
// the item list and title, InitItem.txt the fields.
struct TextCase {
    const char* what;
    bool namesAreUtf8;
    bool itemsAreUtf8;
};

void PrintTo(const TextCase& test, std::ostream* out) {
    *out << test.what;
}

std::string Bytes(const QString& text, bool utf8) {
    return (utf8 ? text.toUtf8() : text.toLatin1()).toStdString();
}

class ItemPageTextTest : public ItemPageFixture, public ::testing::WithParamInterface<TextCase> {
  protected:
    void SetUp() override {
        loadBytes("(item (name 1) (class weapon bow) (limit archer 4) (sell 25) (specialty (Str " +
                      valueBytes() + ")))",
                  "(itemname 1 \"" + Bytes(kName, GetParam().namesAreUtf8) + "\")");
        choose(0, 5); // archer, Weapon
        control<QComboBox>("ComboBox3")->setCurrentIndex(0);
    }

    static std::string valueBytes() { return Bytes(kValue, GetParam().itemsAreUtf8); }
};

TEST_P(ItemPageTextTest, NamesAndFieldsShowTheirFilesText) {
    EXPECT_EQ(listed(), QStringList{kName});
    EXPECT_EQ(control<QLabel>("Label4")->text(), kName);
    EXPECT_EQ(control<QLineEdit>("Str")->text(), kValue);
}

TEST_P(ItemPageTextTest, TextComesBackAsItsOwnBytes) {
    auto* str = control<QLineEdit>("Str");
    str->setText(kValue + "0");
    str->setText(kValue);
    EXPECT_EQ(RecordAt(items(), 0).fields[31], valueBytes());
    EXPECT_EQ(RecordAt(items(), 0).fields[26], "25");
}

TEST_P(ItemPageTextTest, TextOutsideTheFilesEncodingIsRefused) {
    const ItemRow before = RecordAt(items(), 0);
    const qsizetype posts = shell.statusPosts().size();
    control<QLineEdit>("Sell")->setText(kEuro);
    if (GetParam().itemsAreUtf8) {
        EXPECT_EQ(RecordAt(items(), 0).fields[26], kEuro.toStdString());
        EXPECT_EQ(shell.statusText(), "Saved!");
        return;
    }
    EXPECT_EQ(shell.messages().mid(1),
              QStringList{
                  "Brennick v1.14a: The character '€' (U+20AC) cannot be stored: the file is Latin-1 text"});
    EXPECT_EQ(RecordAt(items(), 0), before);
    EXPECT_EQ(shell.statusPosts().size(), posts);
}

INSTANTIATE_TEST_SUITE_P(Files, ItemPageTextTest,
                         ::testing::Values(TextCase{"UTF-8 names, Latin-1 items", true, false},
                                           TextCase{"Latin-1 names, UTF-8 items", false, true}));
} // namespace
