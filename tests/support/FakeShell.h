#pragma once

#include "common/FileHistory.h"
#include "common/Shell.h"
#include "common/WriterLines.h"

#include <QPlainTextEdit>
#include <QStringList>

#include <array>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A shell for tests of one page or window: file dialogs and questions are
// answered from what the test queued, and every box and status message is
// recorded instead of shown.
class FakeShell : public Shell {
  public:
    struct FileDialogUse {
        FileDialog dialog;
        DialogSettings settings;
    };

    // The next file dialog chooses `path`, after running `whenChosen` if given.
    void answerFile(const QString& path, std::function<void()> whenChosen = {});
    void cancelFile();
    // The next confirmation is answered "&Yes" (true) or "&No".
    void answerConfirm(bool yes);
    // The next "Save changes to <file name>?" is answered `choice`.
    void answerSave(SaveChoice choice);

    // "caption: text" of every box, in order.
    const QStringList& messages() const { return messages_; }
    // Every status message posted, in order.
    const QStringList& statusPosts() const { return statusPosts_; }
    const std::vector<FileDialogUse>& fileDialogs() const { return fileDialogs_; }
    int pendingAnswers() const {
        return static_cast<int>(files_.size() + confirms_.size() + saveChoices_.size());
    }
    // Dialogs and questions met while no answer was queued (cancelled, answered "&No", "Cancel").
    int unanswered() const { return unanswered_; }

    void PostStatus(const QString& text) override;
    QString statusText() const override { return status_; }
    bool Confirm(const QString& question, QWidget* over = nullptr) override;
    void Information(const QString& text, QWidget* over = nullptr) override;
    void Warning(const QString& text, QWidget* over = nullptr) override;
    void ErrorMessage(const QString& text, QWidget* over = nullptr) override;
    SaveChoice AskToSave(const QString& question, QWidget* over = nullptr) override;
    void ShowFailure(const QString& message) override;
    std::optional<QString> chooseFile(FileDialog dialog, const DialogSettings& settings = {}) override;
    WriterLines& lines() override { return lines_; }
    // Saves as the main window does, unless FailSavesWith set a failure.
    void SaveFile(const QString& path, const std::string& bytes) override;

    // While `error` is not 0, every save fails with that errno value after its
    // temporary file was written, as a full disk would make it.
    void FailSavesWith(int error) { saveFailure_ = error; }

    QPlainTextEdit& memo() { return memo_; }
    FileHistory& history(EditedTable table) override { return histories_[static_cast<std::size_t>(table)]; }

  private:
    std::deque<std::function<std::optional<QString>()>> files_;
    std::deque<bool> confirms_;
    std::deque<SaveChoice> saveChoices_;
    QString status_;
    QStringList statusPosts_;
    QStringList messages_;
    std::vector<FileDialogUse> fileDialogs_;
    int unanswered_ = 0;
    int saveFailure_ = 0;
    QPlainTextEdit memo_;
    WriterLines lines_{&memo_};
    std::array<FileHistory, 4> histories_{
        FileHistory(QStringLiteral("InitMonster.txt")), FileHistory(QStringLiteral("GenMonster.txt")),
        FileHistory(QStringLiteral("Etc.txt")), FileHistory(QStringLiteral("InitItem.txt"))};
};
