#pragma once

#include <QLabel>

// The viewer's picture; it reports pointer moves, presses and releases in picture pixels.
class PictureBox : public QLabel {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent);

  signals:
    void pointerMoved(const QPoint& pixel);
    void pressed(const QPoint& pixel);
    void released(const QPoint& pixel);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
