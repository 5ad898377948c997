// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver/keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

QStringList TypedCharacters(const QString& text) {
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        characters.append(text.mid(i, pair ? 2 : 1));
        if (pair) ++i;
    }
    return characters;
}

void TypeAsKeystrokes(QWidget* widget, const QString& text) {
    for (const QString& character : TypedCharacters(text)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}
