#include "support/FakeShell.h"

#include "common/AtomicSave.h"
#include "common/MessageBoxes.h"
#include "records/Errors.h"

#include <QSaveFile>

void FakeShell::answerFile(const QString& path, std::function<void()> whenChosen) {
    files_.push_back([path, whenChosen = std::move(whenChosen)]() -> std::optional<QString> {
        if (whenChosen) {
            whenChosen();
        }
        return path;
    });
}

void FakeShell::cancelFile() {
    files_.push_back([]() -> std::optional<QString> { return std::nullopt; });
}

void FakeShell::answerConfirm(bool yes) {
    confirms_.push_back(yes);
}

void FakeShell::answerSave(SaveChoice choice) {
    saveChoices_.push_back(choice);
}

void FakeShell::PostStatus(const QString& text) {
    status_ = text;
    statusPosts_ << text;
}

bool FakeShell::Confirm(const QString& question, QWidget*) {
    messages_ << "Confirm: " + question;
    if (confirms_.empty()) {
        ++unanswered_;
        return false;
    }
    const bool yes = confirms_.front();
    confirms_.pop_front();
    return yes;
}

SaveChoice FakeShell::AskToSave(const QString& question, QWidget*) {
    messages_ << "Confirm: " + question;
    if (saveChoices_.empty()) {
        ++unanswered_;
        return SaveChoice::Cancel;
    }
    const SaveChoice choice = saveChoices_.front();
    saveChoices_.pop_front();
    return choice;
}

void FakeShell::Information(const QString& text, QWidget*) {
    messages_ << "Information: " + text;
}

void FakeShell::Warning(const QString& text, QWidget*) {
    messages_ << "Warning: " + text;
}

void FakeShell::ErrorMessage(const QString& text, QWidget*) {
    messages_ << "Error: " + text;
}

void FakeShell::ShowFailure(const QString& message) {
    messages_ << kApplicationTitle + ": " + message;
}

std::optional<QString> FakeShell::chooseFile(FileDialog dialog, const DialogSettings& settings) {
    fileDialogs_.push_back({dialog, settings});
    if (files_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    const auto answer = std::move(files_.front());
    files_.pop_front();
    return answer();
}

void FakeShell::SaveFile(const QString& path, const std::string& bytes) {
    if (saveFailure_ == 0) {
        SaveFileAtomically(path, bytes);
        return;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.cancelWriting();
    }
    throw InOutError::cannotCreate(path.toStdString(), saveFailure_);
}
