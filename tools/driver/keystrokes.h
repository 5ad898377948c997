// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Types text into a widget as a person at a keyboard would: one key press
// and release per character, carrying the character as the key's text, so
// any character a keyboard can produce (one beyond the basic plane as its
// two UTF-16 halves together) arrives as typed.
void TypeAsKeystrokes(QWidget* widget, const QString& text);

// The characters of a text one by one, a character beyond the basic plane as
// its two UTF-16 halves together.
QStringList TypedCharacters(const QString& text);
