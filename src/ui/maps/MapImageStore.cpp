#include "maps/MapImageStore.h"

#include "common/TextCodec.h"
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
        // Refused like a missing picture, named as it would have been looked for.
        throw InOutError::cannotOpen(PathBytes(QDir(programFolder_).filePath("map/")) + mapText + ".bmp",
                                     ENOENT);
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
        throw InOutError::cannotOpen(PathBytes(path), ENOENT);
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        throw InOutError::cannotOpen(PathBytes(path), errno != 0 ? errno : EACCES);
    }
    QImageReader reader(&file, "BMP");
    QImage image = reader.read();
    if (image.isNull()) {
        throw InOutError::cannotRead(PathBytes(path), "Bitmap image is not valid");
    }
    return image;
}
