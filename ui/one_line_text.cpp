// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/one_line_text.h"

namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

}  // namespace

QValidator::State OneLineText::validate(QString& text, int& position) const {
    QString line;
    line.reserve(text.size());
    int caret = position;
    for (int k = 0; k < text.size(); ++k) {
        // A Windows line break is one break: its two characters one blank.
        if (text[k] == QLatin1Char('\r') && k + 1 < text.size() &&
            text[k + 1] == QLatin1Char('\n')) {
            if (k < position) --caret;
            continue;
        }
        line += IsLineBreak(text[k]) ? QChar(QLatin1Char(' ')) : text[k];
    }
    text = line;
    position = caret;
    return Acceptable;
}
