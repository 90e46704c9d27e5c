#include "common/TypingLimit.h"
#include "common/ControlBuilders.h"
#include "common/SpinEdit.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
TEST(TypingLimit, RestrictsTypingButNeverAValueTheProgramShows) {
    QWidget window;
    QLineEdit* edit = MakeLabeledEdit(&window, "Grade", "Grade", QRect(0, 20, 60, 20));
    LimitTyping(edit, 3);
    edit->setText("1500");
    EXPECT_EQ(edit->text(), "1500");
    edit->setCursorPosition(4);
    QTest::keyClicks(edit, "9");
    EXPECT_EQ(edit->text(), "1500") << "typing never makes it longer";
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "150");
    edit->clear();
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->text(), "123");

    SpinEdit* spin = MakeSpinEdit(&window, "SpinEdit8", QRect(0, 50, 80, 22));
    spin->setTypingLimit(6);
    spin->setValue(-952320);
    EXPECT_EQ(spin->text(), "-952320");
    QTest::keyClick(spin, Qt::Key_End);
    QTest::keyClicks(spin, "1");
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(spin->value(), -952320) << "Enter reads the whole value back";
    spin->selectAll();
    QTest::keyClicks(spin, "1234567");
    EXPECT_EQ(spin->text(), "123456");
}
} // namespace
