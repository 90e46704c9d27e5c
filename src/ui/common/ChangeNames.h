#pragma once

#include <QScopedValueRollback>
#include <QString>

#include <utility>

class QWidget;

// The caption the operator knows a control by: its accessible name (a
// labelled field's caption), a button's text, a group's title, or else the
// title of the group it stands in; without blanks around it or a closing ":".
QString CaptionOf(const QWidget* control);

// The name of an edit through `control` of the record named `record`:
// "<caption> of <record>".
QString FieldEditName(const QWidget* control, const QString& record);

// A handler that runs `edit` with `changing` set to `control` meanwhile, so
// that a change the edit makes can be named after the control.
template <typename Edit> auto EditThrough(QWidget*& changing, QWidget* control, Edit edit) {
    return [&changing, control, edit = std::move(edit)](const auto&... values) -> void {
        const QScopedValueRollback<QWidget*> rollback(changing, control);
        edit(values...);
    };
}
