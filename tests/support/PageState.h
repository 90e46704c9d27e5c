#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <string>
#include <vector>

// Everything a page shows: each control's enabled state, each edit's and
// label's and spin box's text, each box's tick, how many entries of each list are selected.
inline std::vector<std::string> PageState(const QWidget& page) {
    std::vector<std::string> state;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        // The parts Qt builds inside a control (a spin box's edit, a list's scroll bars) are shown by the
        // control.
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) {
            continue;
        }
        QString line = widget->objectName() + (widget->isEnabled() ? " on" : " off");
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            line += " text " + edit->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            line += " text " + label->text();
        } else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
            line += " text " + spin->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            line += button->isChecked() ? " ticked" : " unticked";
        } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            line += " selected " + QString::number(list->selectedItems().size());
        }
        state.push_back(line.toStdString());
    }
    return state;
}
