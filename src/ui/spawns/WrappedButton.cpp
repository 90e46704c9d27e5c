#include "spawns/WrappedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappedButton::WrappedButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void WrappedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
}
