#pragma once

#include <QListWidget>
#include <QStringList>

// The texts of a list's items, top to bottom.
inline QStringList ListTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}
