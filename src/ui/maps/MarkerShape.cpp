#include "maps/MarkerShape.h"

#include <QMouseEvent>
#include <QPainter>

MarkerShape::MarkerShape(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void MarkerShape::setKind(Kind kind) {
    kind_ = kind;
    update();
}

void MarkerShape::setPenMode(PenMode mode) {
    penMode_ = mode;
    update();
}

void MarkerShape::setPenColor(const QColor& color) {
    penColor_ = color;
    update();
}

void MarkerShape::setPenWidth(int width) {
    penWidth_ = width;
    update();
}

void MarkerShape::setFillColor(const QColor& color) {
    fill_.setColor(color);
    update();
}

void MarkerShape::setFillStyle(Qt::BrushStyle style) {
    fill_.setStyle(style);
    update();
}

void MarkerShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    switch (penMode_) {
    case PenMode::Copy:
        break;
    case PenMode::Xor:
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case PenMode::NotXor:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    }
    QPen pen(penColor_, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(fill_);
    // The outline lies inside the widget, as the shape's pen width allows.
    const int inset = penWidth_ / 2;
    const QRect area = rect().adjusted(inset, inset, -(penWidth_ - inset), -(penWidth_ - inset));
    if (kind_ == Kind::Circle) {
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
}

void MarkerShape::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(this, event->position().toPoint(), event->globalPosition().toPoint());
    QWidget::mouseMoveEvent(event);
}
