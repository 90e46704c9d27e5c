#pragma once

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

  private:
    QPlainTextEdit* memo_;
    std::vector<std::string> lines_;
};
