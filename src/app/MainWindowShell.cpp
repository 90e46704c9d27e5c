// What the main window does for its pages and windows as their shell: the
// status line, the message boxes, the file dialogs, the line buffer and saves.
#include "MainWindow.h"

#include "common/AtomicSave.h"
#include "common/FileDialogs.h"
#include "common/MessageBoxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>

void MainWindow::PostStatus(const QString& text) {
    statusPanel_->setText(text);
    // Enabling a running timer does not restart its count.
    if (!statusTimer_->isActive()) {
        statusTimer_->start();
    }
}

QString MainWindow::statusText() const {
    return statusPanel_->text();
}

void MainWindow::clearStatus() {
    statusTimer_->stop();
    statusPanel_->setText(QString());
}

bool MainWindow::Confirm(const QString& question, QWidget* over) {
    return ::Confirm(over ? over : this, question);
}

void MainWindow::Information(const QString& text, QWidget* over) {
    ::Information(over ? over : this, text);
}

void MainWindow::Warning(const QString& text, QWidget* over) {
    ::Warning(over ? over : this, text);
}

void MainWindow::ErrorMessage(const QString& text, QWidget* over) {
    ::ErrorMessage(over ? over : this, text);
}

void MainWindow::ShowFailure(const QString& message) {
    ::ShowFailure(QApplication::activeWindow(), message);
}

// A file dialog is built when it is first shown: building every one at start
// took most of the start-up time. Once built it keeps its settings for the run.
QFileDialog* MainWindow::fileDialog(FileDialog which) {
    QFileDialog*& dialog = fileDialogs_[which];
    if (dialog == nullptr) {
        dialog = MakeFileDialog(this, which);
    }
    return dialog;
}

std::optional<QString> MainWindow::chooseFile(FileDialog which, const DialogSettings& settings) {
    QFileDialog* dialog = fileDialog(which);
    if (settings.title) {
        dialog->setWindowTitle(*settings.title);
    }
    if (settings.filter) {
        SetDialogFilter(dialog, *settings.filter);
    }
    if (settings.defaultSuffix) {
        dialog->setDefaultSuffix(*settings.defaultSuffix);
    }
    return RunFileDialog(dialog);
}

WriterLines& MainWindow::lines() {
    hiddenPageExtras();
    return *lines_;
}

void MainWindow::SaveFile(const QString& path, const std::string& bytes) {
    SaveFileAtomically(path, bytes);
}
