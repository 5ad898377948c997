#pragma once

#include <QString>
#include <string>

// The program's texts are 8-bit Latin-1; Qt's are Unicode. Convert only here,
// at the edge of the window. A character outside Latin-1 becomes '?'.
inline QString ToQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
