#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

// Answers modal dialogs as they open during a widget test. Each queued answer
// is run on the next modal dialog; message boxes met with no answer queued
// are pressed "OK"/"&No"-wise closed and recorded as unexpected.
class DialogDriver : public QObject {
    Q_OBJECT

  public:
    using Answer = std::function<void(QWidget*)>;

    DialogDriver();
    ~DialogDriver() override;

    void then(Answer answer) { answers_.push_back(std::move(answer)); }

    // Common answers.
    static Answer chooseFile(const QString& path);  // a QFileDialog: choose the path and accept
    static Answer cancel();                         // any dialog: reject
    static Answer press(const QString& buttonText); // a QMessageBox: press the button with this text

    // "caption: text" of every message box seen, in order.
    const QStringList& messages() const { return messages_; }
    // Titles of the file dialogs seen, in order.
    const QStringList& fileDialogTitles() const { return fileDialogTitles_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    int unexpectedDialogs() const { return unexpected_; }

  private:
    void poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    QStringList messages_;
    QStringList fileDialogTitles_;
    int unexpected_ = 0;
};
