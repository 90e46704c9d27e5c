#include "support/DialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

DialogDriver::DialogDriver() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
    timer_.start();
}

DialogDriver::~DialogDriver() = default;

void DialogDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->isModal()) {
                modal = widget;
            }
        }
    }
    if (modal == nullptr || !modal->isVisible() || modal->property("answeredByDriver").toBool()) {
        return;
    }
    modal->setProperty("answeredByDriver", true);
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        // File dialogs are shown again and again: answer each showing once.
        connect(
            dialog, &QDialog::finished, dialog, [dialog] { dialog->setProperty("answeredByDriver", false); },
            Qt::SingleShotConnection);
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages_ << box->windowTitle() + ": " + box->text();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        fileDialogTitles_ << files->windowTitle();
    }
    if (answers_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(modal);
}

DialogDriver::Answer DialogDriver::chooseFile(const QString& path) {
    return [path](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        Q_ASSERT(dialog);
        // selectFile() leaves the name field alone while it has the focus,
        // which it has when the dialog follows another modal window; the name
        // field then takes the whole path, so that a file of another folder is
        // chosen and not just its folder opened.
        if (QWidget* focused = dialog->focusWidget()) {
            focused->clearFocus();
        }
        dialog->selectFile(path);
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(path);
        }
        static_cast<QDialog*>(dialog)->accept();
    };
}

DialogDriver::Answer DialogDriver::cancel() {
    return [](QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            dialog->reject();
        }
    };
}

DialogDriver::Answer DialogDriver::press(const QString& buttonText) {
    return [buttonText](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        Q_ASSERT(box);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        box->reject();
    };
}
