// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QKeyEvent>

// Enter (either key) or Esc pressed in the box of a field in the strip below
// the pane, which the field answers itself rather than the box.
enum class FieldKey { Other, Enter, Escape };

inline FieldKey FieldKeyOf(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return FieldKey::Other;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return FieldKey::Enter;
    return key == Qt::Key_Escape ? FieldKey::Escape : FieldKey::Other;
}
