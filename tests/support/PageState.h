#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <string>
#include <vector>

// Each named control of a page: enabled or not, its text, its tick, or how many entries are selected.
inline std::vector<std::string> PageState(const QWidget& page) {
    std::vector<std::string> state;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) { // the parts Qt builds inside a control
            continue;
        }
        QString line = name + (widget->isEnabled() ? " on" : " off");
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
