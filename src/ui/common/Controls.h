#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QValidator>

// A group box of radio buttons with one selected index (-1 when none is
// selected), laid out in a number of columns.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)

  public:
    RadioGroup(QWidget* parent, const QString& objectName, const QString& caption, const QStringList& items,
               int columns);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const { return buttons_.at(index); }

  signals:
    // A button became selected, by the user or by setItemIndex.
    void itemIndexChanged(int index);

  private:
    QButtonGroup group_;
    QList<QRadioButton*> buttons_;
};

enum class LabelSide { Above, Left };

// A line edit with its caption label, placed at `geometry` (the edit's own
// rectangle); the label stands above or left of it and is named <name>Label.
QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& objectName, const QString& caption,
                           const QRect& geometry, LabelSide side = LabelSide::Above, int labelWidth = 0);

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

// Limits what the operator types into an edit to `length` characters. Text the
// program sets is shown whole, and a change that does not make the text
// longer is always let through, so a longer value can still be shortened.
void LimitTyping(QLineEdit* edit, int length);

// Whether typing may turn `before` into `after` under a limit of `length` characters.
bool WithinTypingLimit(const QString& before, const QString& after, int length);

// A captioned control (button, check box, group box) with its name and place.
template <typename Control>
Control* MakeControl(QWidget* parent, const QString& objectName, const QString& caption,
                     const QRect& geometry) {
    auto* control = new Control(caption, parent);
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    return control;
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry);
