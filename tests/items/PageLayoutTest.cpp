#include "support/AppFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>

namespace {
using PageLayoutTest = AppFixture;

// The rectangle the style draws a button's caption in.
QRect CaptionRect(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                        : qobject_cast<QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                                            : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(contents, &option, button);
}

// The rectangle the style draws a group's title in, in the group's coordinates.
QRect TitleRect(QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
}

// Every control of the page lies inside its parent, and every caption fits the
// place its control draws it in.
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
            const QRect caption = CaptionRect(button);
            EXPECT_LE(metrics.horizontalAdvance(button->text()), caption.width())
                << button->objectName().toStdString();
            EXPECT_LE(metrics.height(), caption.height()) << button->objectName().toStdString();
        }
        if (auto* group = qobject_cast<QGroupBox*>(child)) {
            const QRect title = TitleRect(group);
            EXPECT_TRUE(group->rect().contains(title)) << group->objectName().toStdString();
            EXPECT_LE(metrics.horizontalAdvance(group->title()), title.width())
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
