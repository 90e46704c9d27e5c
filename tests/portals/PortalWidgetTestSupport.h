#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

// Every named control under `root` lies inside its parent, and every caption
// is shown whole.
inline void ExpectWholeAndInside(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || !widget->isVisibleTo(root)) {
            continue;
        }
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QGroupBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
                             qobject_cast<QLineEdit*>(widget) || qobject_cast<QListWidget*>(widget);
        if (!control) {
            continue;
        }
        const std::string shown = name.toStdString();
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << shown << " sticks out";
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // The style's minimum width of a push button is no part of its caption.
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 12, button->width()) << shown;
        } else if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_LE(widget->sizeHint().width(), widget->width()) << shown << " is cut";
            EXPECT_LE(widget->fontMetrics().height(), widget->height()) << shown << " is cut";
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width()) << shown;
        }
    }
}

// Writes a picture of the widget into $BRENNICK_SCREENSHOTS, when that is set.
inline void SaveScreenshot(QWidget* widget, const QString& name) {
    const QByteArray folder = qgetenv("BRENNICK_SCREENSHOTS");
    if (!folder.isEmpty()) {
        widget->grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
    }
}
