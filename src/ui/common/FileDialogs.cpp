#include "common/FileDialogs.h"

#include <QFileDialog>
#include <QLineEdit>

void SetDialogFilter(QFileDialog* dialog, const QString& pairs) {
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    }
    dialog->setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog->selectNameFilter(filters.first());
    }
}

namespace {
QFileDialog* makeDialog(QWidget* parent, const QString& objectName) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(objectName);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setModal(true);
    // The name field's completion list can outlive the dialog on screen and
    // then swallows the next click on the main window: names are typed whole.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        name->setCompleter(nullptr);
    }
    return dialog;
}
} // namespace

QFileDialog* MakeOpenDialog(QWidget* parent, const QString& objectName, const QString& title,
                            const QString& filter) {
    QFileDialog* dialog = makeDialog(parent, objectName);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // A name typed for a file that is not there is handed on, so that the
    // reader reports it like any other file that cannot be opened.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setWindowTitle(title);
    SetDialogFilter(dialog, filter);
    return dialog;
}

QFileDialog* MakeSaveDialog(QWidget* parent, const QString& objectName, const QString& filter,
                            const QString& defaultExt) {
    QFileDialog* dialog = makeDialog(parent, objectName);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!filter.isEmpty()) {
        SetDialogFilter(dialog, filter);
    }
    dialog->setDefaultSuffix(defaultExt);
    return dialog;
}

QFileDialog* MakeFileDialog(QWidget* parent, FileDialog which) {
    switch (which) {
    case FileDialog::OpenDialog1:
        return MakeOpenDialog(parent, "OpenDialog1", "Select InitMonster",
                              "InitMonster|InitMonster.txt|All txt|*.txt|ALL|*.*");
    case FileDialog::OpenDialog2:
        return MakeOpenDialog(parent, "OpenDialog2", "Select file with monsters name",
                              "All txt|*.txt|ALL|*.*");
    case FileDialog::OpenInitItem:
        return MakeOpenDialog(parent, "OpenInitItem", "Select InitItem",
                              "InitItem|InitItem.txt|All txt|*.txt|ALL|*.*");
    case FileDialog::OpenItemsName:
        return MakeOpenDialog(parent, "OpenItemsName", "Select items name", "All txt|*.txt|ALL|*.*");
    case FileDialog::OpenDialog3:
        // OpenDialog3 serves two readers; each sets its filter, and only the
        // GenMonster reader sets a title, which then stays.
        return MakeOpenDialog(parent, "OpenDialog3", QString(), "ALL|*.*");
    case FileDialog::SaveDialog1:
        return MakeSaveDialog(parent, "SaveDialog1", "InitMonster|InitMonster.txt|ALL|*.*",
                              "InitMonster.txt");
    case FileDialog::SaveDialog2:
        return MakeSaveDialog(parent, "SaveDialog2", "GenMonster|GenMonster.txt|All txt|*.txt|ALL|*.*",
                              "GenMonster.txt");
    case FileDialog::SaveDialog3:
        return MakeSaveDialog(parent, "SaveDialog3", QString(), QString());
    }
    return nullptr;
}

std::optional<QString> RunFileDialog(QFileDialog* dialog) {
    const QString last = dialog->property("lastChosenFile").toString();
    if (!last.isEmpty()) {
        dialog->selectFile(last);
    }
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) {
        return std::nullopt;
    }
    dialog->setProperty("lastChosenFile", files.first());
    return files.first();
}
