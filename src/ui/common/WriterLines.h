#pragma once

#include <QString>

#include <string>
#include <vector>

class QPlainTextEdit;

// The writers' line buffer: the hidden text `Memo1` shows the lines, and the
// bytes of every line are kept exactly as appended.
class WriterLines {
  public:
    explicit WriterLines(QPlainTextEdit* memo) : memo_(memo) {}

    void Clear();
    void Append(const std::string& line);
    const std::vector<std::string>& Lines() const { return lines_; }

    // Every line followed by CR LF, the last one too.
    std::string Text() const;

    // Replaces the file with Text() in one step: a failed save leaves the
    // earlier file as it was and throws InOutError.
    void SaveToFile(const QString& path) const;

  private:
    QPlainTextEdit* memo_;
    std::vector<std::string> lines_;
};

// Writes bytes to a file through a temporary file beside it that is renamed
// over the target only when everything was written.
void SaveFileAtomically(const QString& path, const std::string& bytes);

// For tests only: while `error` is not 0, every save fails with that errno
// value after its temporary file was written, as a full disk would make it.
void InjectSaveFailureForTests(int error);
