#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A pointer move with no button down, delivered to the widget itself (a
// button-less QTest move goes through the cursor to whichever window lies there).
inline void Hover(QWidget* widget, const QPoint& position) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
