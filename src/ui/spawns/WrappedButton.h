#pragma once

#include <QPushButton>

// A push button whose caption wraps over several lines to fit a narrow button.
class WrappedButton : public QPushButton {
    Q_OBJECT

  public:
    WrappedButton(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
