#pragma once

#include <QSpinBox>
#include <QValidator>

#include <cstdint>

class QRect;

// A spin field without lower or upper limit (the whole 32-bit range). Its
// typing can be limited to a number of characters; a value the program sets
// is shown whole whatever its length.
class SpinEdit : public QSpinBox {
    Q_OBJECT

  public:
    explicit SpinEdit(QWidget* parent);

    void setTypingLimit(int length) { typingLimit_ = length; }

  protected:
    QValidator::State validate(QString& input, int& position) const override;

  private:
    int typingLimit_ = -1;
    QString shownText_; // the text before the change being checked
};

SpinEdit* MakeSpinEdit(QWidget* parent, const QString& objectName, const QRect& geometry);

// A spin field's text read as an integer; text that is not one (a cleared
// field, a lone sign) counts as 0, whatever value the field held before.
std::int32_t SpinValue(const QSpinBox* spin);
