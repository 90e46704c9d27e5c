#include "maps/MapImageStore.h"

#include "maps/MapGeometry.h"
#include "records/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cerrno>
#include <optional>

QString MapImageStore::MapPicturePath(const std::string& mapText) const {
    const std::optional<std::string> relative = MapPictureRelativePath(mapText);
    if (!relative) {
        throw InOutError::fromErrno(ENOENT);
    }
    return QDir(programFolder_).filePath(QFile::decodeName(QByteArray::fromStdString(*relative)));
}

QString MapImageStore::MinimapPath() const {
    return QDir(programFolder_)
        .filePath(QString::fromLatin1(kMinimapFileName.data(), kMinimapFileName.size()));
}

QImage MapImageStore::LoadBitmap(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        throw InOutError::fromErrno(ENOENT);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw InOutError::fromErrno(EACCES);
    }
    QImageReader reader(&file, "BMP");
    QImage image = reader.read();
    if (image.isNull()) {
        throw BrennickError("Bitmap image is not valid");
    }
    return image;
}
