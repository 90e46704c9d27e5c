#include "app/LineBuffer.h"

#include "app/TextCodec.h"
#include "records/Errors.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>

#include <cerrno>

void LineBuffer::Clear() {
    lines_.clear();
    memo_->clear();
}

void LineBuffer::Append(const std::string& line) {
    lines_.push_back(line);
    memo_->appendPlainText(ToQ(line));
}

std::string LineBuffer::Text() const {
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

void LineBuffer::SaveToFile(const QString& path) const { SaveFileAtomically(path, Text()); }

void SaveFileAtomically(const QString& path, const std::string& bytes) {
    const std::string shownPath = FromQ(path);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        throw InOutError::cannotCreate(shownPath, errno != 0 ? errno : EACCES);
    }
    errno = 0;
    const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        const int error = errno != 0 ? errno : EIO;
        file.cancelWriting();
        throw InOutError::cannotCreate(shownPath, error);
    }
    errno = 0;
    if (!file.commit()) {
        throw InOutError::cannotCreate(shownPath, errno != 0 ? errno : EIO);
    }
}
