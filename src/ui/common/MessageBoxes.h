#pragma once

#include "common/Shell.h"

#include <QString>

class QWidget;

inline const QString kApplicationTitle = QStringLiteral("Brennick v1.14a");

// "Confirm" box with "&Yes" and "&No"; true when "&Yes" was pressed.
bool Confirm(QWidget* parent, const QString& text);
// "Confirm" box with "Save", "Discard" and "Cancel"; Escape cancels.
SaveChoice AskToSave(QWidget* parent, const QString& text);
// "Information" box with one "OK" button.
void Information(QWidget* parent, const QString& text);
// "Warning" box with one "OK" button.
void Warning(QWidget* parent, const QString& text);
// "Error" box with one "OK" button.
void ErrorMessage(QWidget* parent, const QString& text);
// The box of a failed handler, captioned with the application title.
void ShowFailure(QWidget* parent, const QString& text);
