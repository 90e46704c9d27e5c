#include "maps/PictureBox.h"

#include <QMouseEvent>

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position().toPoint());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->position().toPoint());
}
