#include "support/FileFixture.h"

#include <QFile>

QString FileFixture::dataFile(const QString& folder, const QString& file) {
    return QStringLiteral(BRENNICK_TEST_DATA) + "/" + folder + "/" + file;
}

std::string FileFixture::readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void FileFixture::writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}
