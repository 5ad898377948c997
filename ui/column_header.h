// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QString>

#include "ui/controls.h"

// The left edge of a header label that stands over character `column` of the
// output pane's text, `nudge` pixels off where the caption was set by eye.
// The text starts 5 pixels in (a 1-pixel frame and the document's 4-pixel
// margin); each character of its 13-pixel Courier New is 8 pixels wide.
constexpr int HeaderLabelLeft(int column, int nudge) { return 5 + 8 * column + nudge; }

// A column header over the output pane: a caption label that a left press
// asks to sort the list by, and that shows the sort with a small arrow drawn
// beside its caption, the caption itself unchanged.
class ColumnHeader : public Label {
    Q_OBJECT

public:
    using Label::Label;

    enum class Arrow {
        None,
        Up,    // A to Z, smallest first
        Down,  // Z to A, largest first
    };
    // The arrow beside the caption, and the sort in words ("sorted by Cost,
    // largest first"; empty for a column the list is not sorted by) as the
    // tooltip and the accessible description, which assistive technology
    // hears of when it changes.
    void ShowSort(Arrow arrow, const QString& state);
    Arrow SortArrow() const { return arrow_; }

    // The caption's width, and the arrow's room beside it while it shows.
    QSize sizeHint() const override;

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Arrow arrow_ = Arrow::None;
};

// What assistive technology reads of a column header: a column header
// named by its caption, its sort as its description.
class AccessibleColumnHeader : public QAccessibleWidget {
public:
    explicit AccessibleColumnHeader(ColumnHeader* header);
    QString text(QAccessible::Text t) const override;
};
