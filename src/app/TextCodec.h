#pragma once

#include <QString>

#include <string>
#include <string_view>

// Field bytes are shown one byte per character (Latin-1), so that a field
// that is shown and stored again keeps every byte it had.
inline QString ToQ(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FromQ(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
