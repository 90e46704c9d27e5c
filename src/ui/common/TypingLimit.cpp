#include "common/TypingLimit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

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
