#include "common/WriterLines.h"

#include "common/TextCodec.h"

#include <QPlainTextEdit>

void WriterLines::Clear() {
    lines_.clear();
    memo_->clear();
}

void WriterLines::Append(const std::string& line) {
    lines_.push_back(line);
    memo_->appendPlainText(ToQ(line));
}

std::string WriterLines::Text() const {
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines_) {
        size += line.size() + 2;
    }
    text.reserve(size);
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}
