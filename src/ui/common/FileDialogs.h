#pragma once

#include "common/Shell.h"

#include <QString>

#include <optional>

class QFileDialog;
class QWidget;

// Sets a filter list written as label|pattern pairs separated by "|",
// for instance "All txt|*.txt|ALL|*.*"; the first entry is selected.
void SetDialogFilter(QFileDialog* dialog, const QString& pairs);

QFileDialog* MakeOpenDialog(QWidget* parent, const QString& objectName, const QString& title,
                            const QString& filter);

// A save dialog never asks before replacing a file; `defaultExt` is appended
// to a name typed without an extension.
QFileDialog* MakeSaveDialog(QWidget* parent, const QString& objectName, const QString& filter,
                            const QString& defaultExt);

// The file dialog of the main window named by `which`, with its title,
// filters and default extension.
QFileDialog* MakeFileDialog(QWidget* parent, FileDialog which);

// Shows the dialog, proposing the file chosen in it last. Returns the chosen
// path, or nothing when cancelled or when the name is empty.
std::optional<QString> RunFileDialog(QFileDialog* dialog);
