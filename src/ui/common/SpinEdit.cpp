#include "common/SpinEdit.h"

#include "common/TypingLimit.h"
#include "records/IntegerText.h"

#include <limits>

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
