#include "common/TextCodec.h"

#include "records/Errors.h"

#include <QFile>
#include <QList>

QString ToQ(std::string_view bytes, TextEncoding encoding) {
    const auto size = static_cast<qsizetype>(bytes.size());
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes.data(), size)
                                          : QString::fromLatin1(bytes.data(), size);
}

std::string FromQ(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        const QByteArray bytes = text.toUtf8();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const uint code : text.toUcs4()) {
        const auto character = static_cast<char32_t>(code);
        if (character > 0xFF) {
            const QString message =
                QStringLiteral("The character '%1' (U+%2) cannot be stored: the file is Latin-1 text")
                    .arg(QString::fromUcs4(&character, 1))
                    .arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
            throw BrennickError(message.toStdString());
        }
        bytes += static_cast<char>(character);
    }
    return bytes;
}

std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
