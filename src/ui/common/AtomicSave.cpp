#include "common/AtomicSave.h"

#include "records/Errors.h"

#include <QSaveFile>

#include <cerrno>

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
    if (!flushed) {
        const int error = errno != 0 ? errno : EIO;
        file.cancelWriting();
        throw InOutError::cannotCreate(shownPath, error);
    }
    errno = 0;
    if (!file.commit()) {
        throw InOutError::cannotCreate(shownPath, errno != 0 ? errno : EIO);
    }
}
