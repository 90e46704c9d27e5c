#include "common/WriterLines.h"

#include "common/TextCodec.h"
#include "records/Errors.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>

#include <atomic>
#include <cerrno>

namespace {
std::atomic<int> injectedSaveFailure{0};
} // namespace

void InjectSaveFailureForTests(int error) {
    injectedSaveFailure = error;
}

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

void WriterLines::SaveToFile(const QString& path) const {
    SaveFileAtomically(path, Text());
}

void SaveFileAtomically(const QString& path, const std::string& bytes) {
    const std::string shownPath = path.toStdString();
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        throw InOutError::cannotCreate(shownPath, errno != 0 ? errno : EACCES);
    }
    errno = 0;
    const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // A small file is only buffered by write(); a failure to write the buffer
    // out is not seen by commit(), which would then rename a cut-off file over
    // the target. Flushing here makes the failure visible.
    const bool flushed = written == static_cast<qint64>(bytes.size()) && file.flush();
    const int injected = injectedSaveFailure;
    if (!flushed || injected != 0) {
        const int error = injected != 0 ? injected : errno != 0 ? errno : EIO;
        file.cancelWriting();
        throw InOutError::cannotCreate(shownPath, error);
    }
    errno = 0;
    if (!file.commit()) {
        throw InOutError::cannotCreate(shownPath, errno != 0 ? errno : EIO);
    }
}
