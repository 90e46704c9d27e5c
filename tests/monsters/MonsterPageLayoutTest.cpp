#include "support/AppFixture.h"

#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterNamesReader.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {
class MonsterPageLayoutTest : public AppFixture {
  protected:
    QWidget* page() {
        auto* pages = control<QTabWidget>("PageControl1");
        QWidget* sheet = control<QWidget>("TabSheet4");
        pages->setCurrentWidget(sheet);
        return sheet;
    }
};

// Every caption must be readable whole: no control is narrower or lower than
// its text needs, and everything lies inside its parent and the page.
TEST_F(MonsterPageLayoutTest, EveryCaptionFitsAndEveryControlIsInside) {
    QWidget* sheet = page();
    // The sample monsters, showing the one with the longest name.
    const QString examples = QStringLiteral(BRENNICK_TEST_DATA "/../../examples/");
    ParseInitMonster(readBytes(examples + "InitMonster.txt"), workspace().monsters);
    ParseMonsterNames(readBytes(examples + "MonsterName.txt"), workspace().monsterNames);
    control<QPushButton>("Button8")->click();
    auto* list = control<QListWidget>("ListBox2");
    ASSERT_EQ(list->count(), 42);
    list->setCurrentRow(25); // Fire Salamander
    control<QProgressBar>("Gauge1")->show();
    control<QLabel>("Label11")->show();
    for (QWidget* widget : sheet->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 12)
                << name.toStdString();
        } else if (qobject_cast<QLabel*>(widget) != nullptr ||
                   qobject_cast<QAbstractButton*>(widget) != nullptr) {
            const QSize need = widget->sizeHint();
            EXPECT_GE(widget->width(), need.width()) << name.toStdString();
            EXPECT_GE(widget->height(), need.height() - 2) << name.toStdString();
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_GE(group->width(), group->fontMetrics().horizontalAdvance(group->title()) + 16)
                << name.toStdString();
        }
        const QRect inParent(QPoint(0, 0), widget->parentWidget()->size());
        EXPECT_TRUE(inParent.contains(widget->geometry())) << name.toStdString();
        if (widget->parentWidget() != sheet) {
            continue;
        }
        EXPECT_LE(widget->geometry().right(), 632) << name.toStdString();
        EXPECT_LE(widget->geometry().bottom(), 444) << name.toStdString();
    }
}

TEST_F(MonsterPageLayoutTest, LongestValuesShowWhole) {
    page();
    auto* exp = control<QLineEdit>("LabeledEdit47");
    exp->setText("-2147483648");
    EXPECT_GE(exp->width(), exp->fontMetrics().horizontalAdvance(exp->text()) + 8);
    auto* spin = control<QSpinBox>("SpinEdit1");
    spin->setValue(99999);
    auto* text = spin->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(text->text()) + 4);
}
} // namespace
