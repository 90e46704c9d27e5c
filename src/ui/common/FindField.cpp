#include "common/FindField.h"

#include "common/GuardedHandler.h"
#include "common/Shell.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QShortcut>

namespace {
std::optional<std::size_t> currentRow(QWidget* list) {
    int row = -1;
    if (const auto* rows = qobject_cast<QListWidget*>(list)) {
        row = rows->currentRow();
    } else if (const auto* entries = qobject_cast<QComboBox*>(list)) {
        row = entries->currentIndex();
    }
    return row >= 0 ? std::optional<std::size_t>(row) : std::nullopt;
}

// Makes the row current as a click or a pick would, which runs the list's handler.
void chooseRow(QWidget* list, std::size_t row) {
    if (auto* rows = qobject_cast<QListWidget*>(list)) {
        rows->setCurrentRow(static_cast<int>(row), QItemSelectionModel::ClearAndSelect);
    } else if (auto* entries = qobject_cast<QComboBox*>(list)) {
        entries->setCurrentIndex(static_cast<int>(row));
    }
}
} // namespace

FindField::FindField(Shell& shell, std::function<std::optional<FindTarget>()> target, QWidget* parent)
    : QLineEdit(parent), shell_(shell), target_(std::move(target)) {
    setObjectName("FindEdit");
    hide();
    connect(this, &QLineEdit::textChanged, this, Guarded(shell_, [this] { find(FindStep::First); }));
    connect(this, &QLineEdit::returnPressed, this, Guarded(shell_, this, &FindField::findNext));
    // F3 goes on also from the list, while the field is open.
    for (const auto& [keys, handler] :
         {std::pair{QKeySequence(Qt::Key_F3), &FindField::findNext},
          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindField::findPrevious}}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, Guarded(shell_, this, handler));
    }
}

void FindField::open() {
    showMatched(true);
    show();
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void FindField::closeField() {
    hide();
    if (searched_ != nullptr) {
        searched_->setFocus(Qt::OtherFocusReason);
    }
}

void FindField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeField();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FindField::find(FindStep step) {
    if (text().isEmpty()) {
        showMatched(true);
        return;
    }
    const std::optional<FindTarget> target = target_();
    searched_ = target ? target->list : nullptr;
    const std::optional<std::size_t> found =
        target ? FindInList(target->entries, target->encoding, text().toStdString(), currentRow(target->list),
                            step)
               : std::nullopt;
    showMatched(found.has_value());
    if (found) {
        chooseRow(target->list, *found);
    } else {
        shell_.PostStatus(QStringLiteral("No match for \"%1\"").arg(text()));
    }
}

void FindField::showMatched(bool matched) {
    QPalette colours = QApplication::palette(this);
    if (!matched) {
        colours.setColor(QPalette::Base, QColor(255, 128, 128));
    }
    setPalette(colours);
}
