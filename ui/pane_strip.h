// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QRect>
#include <QWidget>

#include <algorithm>

// The widget that holds a scroll area's text (the area itself for any other
// widget). A field below the text follows its resizes: the area lays its
// text out anew before the text area hears of a new size.
inline QWidget* TextAreaOf(QWidget* area) {
    auto* scrolled = qobject_cast<QAbstractScrollArea*>(area);
    return scrolled != nullptr ? scrolled->viewport() : area;
}

// Where a field over a scroll area goes: in the strip just below the area's
// text (the area keeps that strip free while the field shows), from its left
// edge, at most maxWidth wide. The find field, the hoard field and the
// message of a refused paste take turns there.
inline QRect StripBelowText(const QWidget* area, int maxWidth, int height) {
    QRect text = area->rect();
    if (const auto* scrolled = qobject_cast<const QAbstractScrollArea*>(area)) {
        text = scrolled->viewport()->geometry();
    }
    return {text.left(), text.bottom() + 1, std::min(maxWidth, text.width()), height};
}
