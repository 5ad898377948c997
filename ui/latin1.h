// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

// The program's texts are 8-bit Latin-1; Qt's are Unicode. Convert only here,
// at the edge of the window. A character outside Latin-1 becomes '?'.
inline QString ToQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Counted by characters, not UTF-16 units: a character beyond the basic
// plane (an emoji) is one '?', not two.
inline std::string FromQt(const QString& text) {
    std::string latin1;
    latin1.reserve(static_cast<size_t>(text.size()));
    for (const char32_t character : text.toUcs4()) {
        latin1 += character < 256 ? static_cast<char>(character) : '?';
    }
    return latin1;
}
