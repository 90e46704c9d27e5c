#pragma once

#include <QBrush>
#include <QColor>
#include <QWidget>

// A run-time shape drawn over the picture: a rectangle or an ellipse filling
// the widget, drawn with a raster pen mode so that it stays visible on any
// picture. The pen mode applies to the fill as well as to the outline.
class MarkerShape : public QWidget {
    Q_OBJECT

  public:
    enum class Kind { Rectangle, Circle };
    enum class PenMode { Copy, Xor, NotXor };

    explicit MarkerShape(QWidget* parent);

    Kind kind() const { return kind_; }
    void setKind(Kind kind);
    PenMode penMode() const { return penMode_; }
    void setPenMode(PenMode mode);
    QColor penColor() const { return penColor_; }
    void setPenColor(const QColor& color);
    void setPenWidth(int width);
    QColor fillColor() const { return fill_.color(); }
    void setFillColor(const QColor& color);
    void setFillStyle(Qt::BrushStyle style);

  signals:
    // The pointer moved over the shape; `position` is within the shape.
    void pointerMoved(MarkerShape* shape, const QPoint& position, const QPoint& globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    Kind kind_ = Kind::Rectangle;
    PenMode penMode_ = PenMode::Copy;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    QBrush fill_{Qt::white, Qt::SolidPattern};
};
