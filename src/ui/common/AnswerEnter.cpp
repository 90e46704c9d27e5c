#include "common/AnswerEnter.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

bool AnswerEnter(const QWidget& window, const QKeyEvent& event, QPushButton& defaultButton) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) {
        return false;
    }
    // Outside a dialog box a focused button lets Enter pass on to its window.
    auto* focused = qobject_cast<QPushButton*>(window.focusWidget());
    (focused != nullptr ? *focused : defaultButton).click();
    return true;
}
