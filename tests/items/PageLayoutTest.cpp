#include "support/AppFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {
using PageLayoutTest = AppFixture;

// Every control of the page lies inside its parent, and every caption fits its control.
void expectWhole(QWidget* page) {
    const QList<QWidget*> children = page->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (!child->isVisibleTo(page) || qobject_cast<QComboBox*>(child->parentWidget()) != nullptr ||
            child->objectName().startsWith("qt_")) {
            continue;
        }
        const QWidget* parent = child->parentWidget();
        EXPECT_TRUE(QRect(QPoint(0, 0), parent->size()).contains(child->geometry()))
            << child->objectName().toStdString() << " leaves " << parent->objectName().toStdString();
        const QFontMetrics metrics(child->font());
        if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && !label->text().isEmpty()) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
        }
        if (auto* group = qobject_cast<QGroupBox*>(child)) {
            EXPECT_LE(metrics.horizontalAdvance(group->title()) + 12, group->width())
                << group->objectName().toStdString();
        }
    }
}

TEST_F(PageLayoutTest, ItemAndCharacterPagesFitAndRender) {
    dialogs.then(DialogDriver::chooseFile(dataFile("items-sample", "InitItem.txt")));
    dialogs.then(DialogDriver::press("&Yes"));
    dialogs.then(DialogDriver::chooseFile(dataFile("items-sample", "ItemName.txt")));
    control<QPushButton>("Button5")->click();
    control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    control<QComboBox>("ComboBox2")->setCurrentIndex(5);
    control<QComboBox>("ComboBox3")->setCurrentIndex(1);
    ASSERT_EQ(control<QComboBox>("ComboBox3")->currentText(), "Old Guard Sword");
    auto* pages = control<QTabWidget>("PageControl1");
    for (const char* name : {"TabSheet2", "TabSheet1"}) {
        QWidget* sheet = control<QWidget>(name);
        pages->setCurrentWidget(sheet);
        expectWhole(sheet);
        sheet->grab().save(QStringLiteral(BRENNICK_RENDER_DIR "/%1.png").arg(name));
    }
}
} // namespace
