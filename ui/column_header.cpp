// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/column_header.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "ui/accessible_controls.h"

namespace {

// The arrow: a triangle 7 pixels wide and 4 high, 2 pixels after the
// caption. The room fits between every caption and the next column's.
constexpr int kArrowGap = 2;
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;
constexpr int kArrowRoom = kArrowGap + kArrowWidth + 1;

}  // namespace

void ColumnHeader::ShowSort(Arrow arrow, const QString& state) {
    if (arrow != arrow_) {
        arrow_ = arrow;
        resize(sizeHint().width(), height());
        update();
    }
    if (state == toolTip()) return;
    setToolTip(state);
    AnnounceDescription(this, state);
}

QSize ColumnHeader::sizeHint() const {
    QSize size = Label::sizeHint();
    if (arrow_ != Arrow::None) size.rwidth() += kArrowRoom;
    return size;
}

void ColumnHeader::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        Label::mousePressEvent(event);
        return;
    }
    event->accept();
    emit pressed();
}

void ColumnHeader::paintEvent(QPaintEvent* event) {
    Label::paintEvent(event);
    if (arrow_ == Arrow::None) return;
    const double left = width() - kArrowRoom + kArrowGap;
    const double middle = height() / 2.0;
    const double tip = arrow_ == Arrow::Up ? -kArrowHeight / 2.0 : kArrowHeight / 2.0;
    const QPolygonF triangle = {QPointF(left, middle - tip),
                                QPointF(left + kArrowWidth, middle - tip),
                                QPointF(left + kArrowWidth / 2.0, middle + tip)};
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(foregroundRole()));
    painter.drawPolygon(triangle);
}

AccessibleColumnHeader::AccessibleColumnHeader(ColumnHeader* header)
    : QAccessibleWidget(header, QAccessible::ColumnHeader) {}

QString AccessibleColumnHeader::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
}
