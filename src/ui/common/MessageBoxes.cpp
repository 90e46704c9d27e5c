#include "common/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
void showOk(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setObjectName("MessageBox");
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}
} // namespace

bool Confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton, parent);
    box.setObjectName("MessageBox");
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

SaveChoice AskToSave(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton, parent);
    box.setObjectName("MessageBox");
    QPushButton* save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveChoice::Save;
    }
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

void Information(QWidget* parent, const QString& text) {
    showOk(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

void Warning(QWidget* parent, const QString& text) {
    showOk(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
}

void ErrorMessage(QWidget* parent, const QString& text) {
    showOk(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

void ShowFailure(QWidget* parent, const QString& text) {
    showOk(parent, QMessageBox::Critical, kApplicationTitle, text);
}
