// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pane_strip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>

#include <algorithm>

#include "ui/output_pane.h"

PaneStrip::PaneStrip(OutputPane* pane) : QWidget(pane), pane_(pane), textArea_(pane->viewport()) {
    setObjectName(QStringLiteral("PaneStrip"));
    // The window's own colour, as the room below the text shows it.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    hide();
    textArea_->installEventFilter(this);
}

void PaneStrip::Show(QWidget* part, bool takeFocus) {
    if (part_ != part) {
        Close(false);
        part_ = part;
    }
    if (takeFocus) {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && !isAncestorOf(focus)) focusBefore_ = focus;
    }
    Place();
    part->show();
    show();
    raise();
    if (takeFocus) part->setFocus(Qt::ShortcutFocusReason);
}

void PaneStrip::Close(bool giveBack) {
    if (part_ == nullptr) return;
    QWidget* part = part_;
    const bool hadFocus = part->isAncestorOf(QApplication::focusWidget()) || part->hasFocus();
    part_ = nullptr;
    part->hide();
    hide();
    pane_->SetBottomStrip(0);
    emit closed(part);
    if (!giveBack && !hadFocus) return;
    QWidget* back = focusBefore_;
    const bool usable = giveBack && back != nullptr && back->isVisible() && back->isEnabled() &&
                        qobject_cast<QAbstractButton*>(back) == nullptr;
    (usable ? back : static_cast<QWidget*>(pane_))->setFocus(Qt::OtherFocusReason);
}

void PaneStrip::CloseIfShown(const QWidget* part, bool giveBack) {
    if (Shows(part)) Close(giveBack);
}

bool PaneStrip::Shows(const QWidget* part) const { return part != nullptr && part_ == part; }

bool PaneStrip::eventFilter(QObject* watched, QEvent* event) {
    // The pane lays its text out anew before its text area hears of a new
    // size; the text area's size follows the pane's and its scrolling. (The
    // text area is compared by address only: it outlives the pane's own
    // destructor.)
    if (event->type() == QEvent::Resize && watched == textArea_ && part_ != nullptr) {
        Place();
    }
    return QWidget::eventFilter(watched, event);
}

int PaneStrip::PartHeight(const QWidget* part) const {
    const int width = std::min(part->maximumWidth(), pane_->viewport()->width());
    return part->hasHeightForWidth() ? part->heightForWidth(width) : part->sizeHint().height();
}

void PaneStrip::Place() {
    if (part_ == nullptr) return;
    pane_->SetBottomStrip(PartHeight(part_));
    const QRect room = pane_->BottomStripRect();
    setGeometry(room);
    const int width = std::min(part_->maximumWidth(), room.width());
    const int height = std::min(PartHeight(part_), room.height());
    part_->setGeometry(0, (room.height() - height) / 2, width, height);
}
