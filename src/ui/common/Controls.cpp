#include "common/Controls.h"

#include "records/IntegerText.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>

#include <limits>

RadioGroup::RadioGroup(QWidget* parent, const QString& objectName, const QString& caption,
                       const QStringList& items, int columns)
    : QGroupBox(caption, parent) {
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + "_" + QString::number(i));
        group_.addButton(button, i);
        buttons_.append(button);
        layout->addWidget(button, i % rows, i / rows);
    }
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            emit itemIndexChanged(id);
        }
    });
}

int RadioGroup::itemIndex() const {
    return group_.checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < buttons_.size()) {
        buttons_[index]->setChecked(true);
        return;
    }
    group_.setExclusive(false);
    for (auto* button : buttons_) {
        button->setChecked(false);
    }
    group_.setExclusive(true);
}

QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& objectName, const QString& caption,
                           const QRect& geometry, LabelSide side, int labelWidth) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setGeometry(geometry);
    edit->setAccessibleName(caption);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName + "Label");
    label->setBuddy(edit);
    if (side == LabelSide::Above) {
        const int height = label->sizeHint().height();
        const int width = std::max(geometry.width(), label->sizeHint().width());
        label->setGeometry(geometry.x(), geometry.y() - height - 1, width, height);
    } else {
        const int width = labelWidth > 0 ? labelWidth : label->sizeHint().width();
        label->setGeometry(geometry.x() - width - 4, geometry.y(), width, geometry.height());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return edit;
}

namespace {
// Keys that would type an edit past its limit are held back; text the program
// sets never passes through here. (A validator would not do: a line edit
// checks text the program sets too, and lets any typing through after it.)
class TypingLimit : public QObject {
  public:
    TypingLimit(QLineEdit* edit, int length) : QObject(edit), edit_(edit), length_(length) {
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        const QString typed = key->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text()
                              : !key->text().isEmpty() && key->text().front().isPrint() ? key->text()
                                                                                        : QString();
        if (typed.isEmpty()) {
            return false;
        }
        const QString before = edit_->text();
        QString after = before;
        after.replace(edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition(),
                      edit_->selectedText().size(), typed);
        return !WithinTypingLimit(before, after, length_);
    }

  private:
    QLineEdit* edit_;
    int length_;
};
} // namespace

bool WithinTypingLimit(const QString& before, const QString& after, int length) {
    return after.size() <= length || after.size() <= before.size();
}

void LimitTyping(QLineEdit* edit, int length) {
    new TypingLimit(edit, length);
}

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    connect(this, &QSpinBox::textChanged, this, [this](const QString& text) { shownText_ = text; });
}

QValidator::State SpinEdit::validate(QString& input, int& position) const {
    const QValidator::State state = QSpinBox::validate(input, position);
    if (state != QValidator::Invalid && typingLimit_ >= 0 &&
        !WithinTypingLimit(shownText_, input, typingLimit_)) {
        return QValidator::Invalid;
    }
    return state;
}

std::int32_t SpinValue(const QSpinBox* spin) {
    return TryStrToInt(spin->cleanText().toStdString()).value_or(0);
}

SpinEdit* MakeSpinEdit(QWidget* parent, const QString& objectName, const QRect& geometry) {
    auto* spin = new SpinEdit(parent);
    spin->setObjectName(objectName);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(0);
    spin->setGeometry(geometry);
    return spin;
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    return label;
}
